// Static texts that a view places beside its drawing: on screen they are
// controls of the response window (legend names, value sheet fields) with a
// help tag; when printing they are drawn as plain text.
#pragma once

#include <string>
#include <vector>

#include "drawing/canvas.h"

namespace larkspan {

struct StaticText {
    int id = 0;  // control number: 71..74 legend names, 101..211 value sheet
    float left = 0;
    float top = 0;
    float right = 0;
    float bottom = 0;
    std::string text;
    int fontSize = 12;
    // The help text with its placement code, e.g. "Total Response\@LB";
    // empty for a field without help.
    std::string help;
    bool operator==(const StaticText&) const = default;
};

// A help text split into what the tag shows and where: "BL" below the
// control aligned with its left edge, "LB" to its left aligned with its
// bottom; an empty placement when the text carries no code.
struct HelpTag {
    std::string text;
    std::string placement;
    bool operator==(const HelpTag&) const = default;
};
HelpTag splitHelpTag(const std::string& help);

// Where a static text's baseline stands when it is drawn as text: the
// bottom of its rectangle, 4 points higher for 12-point and 6 points higher
// for 14-point texts.
float textBaseline(const StaticText& t);

// What becomes of a text longer than its field: the printed sheet draws it
// whole; the window's controls cut it to the field with an ellipsis.
enum class Overflow { DrawWhole, Elide };

// Draws each text in black at the left edge of its rectangle, on its
// baseline: how a picture of the window shows the controls (Elide), or how
// the printed sheet shows its texts (DrawWhole).
void drawStaticTexts(Canvas& canvas, const std::vector<StaticText>& texts, Overflow overflow = Overflow::DrawWhole);

}  // namespace larkspan
