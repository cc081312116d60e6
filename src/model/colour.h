// A colour as the drawing uses it: red, green and blue from 0 to 1.
#pragma once

namespace larkspan {

struct Colour {
    float red = 0;
    float green = 0;
    float blue = 0;
    bool operator==(const Colour&) const = default;
};

}  // namespace larkspan
