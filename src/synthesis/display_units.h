// The value sheet shows inductors in mH and capacitors in µF; the design holds
// them in H and F. The conversions are single-precision products.
#pragma once

namespace larkspan {

inline float mH(float henry)
{
    return henry * 1000.0F;
}

inline float uF(float farad)
{
    return farad * 1e6F;
}

}  // namespace larkspan
