// The precision of the synthesis formulas. A design stores every value as a
// float; a formula with a decimal constant, 2π or a power is evaluated in
// double from the widened floats and its result stored back as a float, while
// sums and products of stored values stay in single precision. These helpers
// name each step, so that a formula reads as it was written.
#pragma once

#include <cmath>

namespace larkspan {

// A stored float widened for a formula evaluated in double.
constexpr double D(float x)
{
    return x;
}

// A double result narrowed to the float that stores it.
constexpr float f32(double x)
{
    return static_cast<float>(x);
}

// x² and xⁿ in double, as std::pow forms them.
inline double sq(double x)
{
    return std::pow(x, 2.0);
}

inline double pw(double x, double n)
{
    return std::pow(x, n);
}

// Stores a double result as the float variable that holds it and returns the
// stored value, so that the next formula reads what the design holds.
inline double put(float& dst, double value)
{
    dst = static_cast<float>(value);
    return dst;
}

}  // namespace larkspan
