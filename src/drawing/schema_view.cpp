#include "drawing/schema_view.h"

#include "drawing/schematic.h"
#include "drawing/value_sheet.h"

namespace larkspan {

void drawSchemaView(DrawTarget& target, const Design& d, CaptionState& caption)
{
    SchematicDraw(target, d);  // ends with the driver pictures
    netSys(target, d, caption);
    if (target.DoPrint)
        valuePrint(target, d);
    else
        valueDisp(target, d);
}

}  // namespace larkspan
