#include "drawing/schema_view.h"

#include "corrections/impedance_correction.h"
#include "drawing/speaker_pictures.h"
#include "synthesis/cofcal.h"

namespace larkspan {

void drawSchemaView(DrawTarget& target, Design& d, CaptionState& caption)
{
    cofCal(d);
    CalcImpIncAtt(d);
    // The diagram's line art goes here, before its pictures; the value
    // sheet's fields follow the caption.
    GetSpeakerPict(target, d);
    netSys(target, d, caption);
}

}  // namespace larkspan
