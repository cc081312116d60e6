#include "drawing/schema_view.h"

#include "corrections/impedance_correction.h"
#include "drawing/schematic.h"
#include "drawing/value_sheet.h"
#include "synthesis/cofcal.h"

namespace larkspan {

void drawSchemaView(DrawTarget& target, Design& d, CaptionState& caption)
{
    cofCal(d);
    CalcImpIncAtt(d);
    SchematicDraw(target, d);  // ends with the driver pictures
    netSys(target, d, caption);
    if (d.DoPrint != 0)
        valuePrint(target, d);
    else
        valueDisp(target, d);
}

}  // namespace larkspan
