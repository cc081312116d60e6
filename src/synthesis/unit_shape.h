// An order unit as data: each branch's transfer function and input impedance
// as polynomials in s over the design's coefficients, and where its phase and
// Nyquist curves are placed. One set of templates (unit_evaluators.h) turns a
// unit's shape into every evaluator of its table.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <initializer_list>

#include "model/design.h"

namespace larkspan {

// One coefficient of a polynomial: a coefficient the design stores, or a
// constant (0 for a power that is absent, 1 for a unit term).
struct Coef {
    float Design::*field = nullptr;
    float constant = 0;

    constexpr Coef(float Design::*f) : field(f) {}
    constexpr Coef(int c) : constant(static_cast<float>(c)) {}

    float of(const Design& d) const { return field ? d.*field : constant; }
    constexpr bool absent() const { return !field && constant == 0; }
};

// A polynomial in s, highest power first.
struct Poly {
    std::array<Coef, 9> c{0, 0, 0, 0, 0, 0, 0, 0, 0};
    std::size_t size = 0;

    constexpr Poly() = default;
    constexpr Poly(std::initializer_list<Coef> list) : size(list.size())
    {
        std::size_t i = 0;
        for (const Coef& x : list) c[i++] = x;
    }
    constexpr int degree() const { return static_cast<int>(size) - 1; }
    constexpr const Coef& ofPower(int k) const { return c[size - 1 - static_cast<std::size_t>(k)]; }
};

// The order of the terms in a sum, as the unit writes its polynomials.
enum class Sum { FromLowest, FromHighest };

// A complex value at s = j·w, real part first.
struct Parts {
    double re;
    double im;
    double norm() const { return std::pow(re, 2.0) + std::pow(im, 2.0); }
};

// A branch function at one frequency: numerator over denominator.
struct Ratio {
    Parts num;
    Parts den;
};

// w⁰ … w⁸ by products. w comes from a float, so w² is exact, and w³ and w⁴
// round once, as std::pow rounds them; the higher powers round twice. w⁷ and
// w⁸ are w⁴·w³ and w⁴·w⁴, as the formulas write them.
struct Powers {
    std::array<double, 9> of{};

    explicit Powers(double w)
    {
        of[0] = 1;
        of[1] = w;
        of[2] = w * w;
        of[3] = of[2] * w;
        of[4] = of[2] * of[2];
        of[5] = of[4] * w;
        of[6] = of[4] * of[2];
        of[7] = of[4] * of[3];
        of[8] = of[4] * of[4];
    }
};

// The term c·wᵏ in double; w⁰ and w¹ without a product of powers.
inline double termOf(float c, const Powers& w, int k)
{
    if (k == 0) return c;
    return c * w.of[static_cast<std::size_t>(k)];
}

// How the unwrapped phase is formed into the plotted value.
enum class Chain {
    Raw,     // the folded raw phase, not unwrapped
    Single,  // unwrapped phase plus offset as float sums
    Double,  // unwrapped phase plus offset in double, rounded once
};

// Where a phase curve sits: the folded phase (a negative raw phase moves up by
// `fold`) plus `offset`; a reversed driver (pole −1) adds `whenReversed` to the
// offset and then `thenReversed` in a second rounding; `wrap` brings the
// result once into 0..360.
struct Placement {
    double offset = 0;
    Chain chain = Chain::Double;
    bool wrap = false;
    float fold = 180;
    double whenReversed = 0;
    double thenReversed = 0;
};

// When a Nyquist curve's shift applies.
enum class Stage {
    BeforeUnwrap,  // as its own rounding, after the fold
    InAngle,       // in the rounding of the raw angle, without a fold
    AfterUnwrap,   // with the unwrap offset, in one rounding
};

// Where a Nyquist curve sits: a negative raw phase moves up by `fold`, then
// by `shift`; a reversed driver adds `whenReversed` to the shift and then
// `thenReversed` in a second rounding.
struct Turn {
    double fold = pi;
    double shift = 0;
    Stage stage = Stage::BeforeUnwrap;
    double whenReversed = 0;
    double thenReversed = 0;
};

// One branch: its transfer function and input impedance, highest power
// first, and where its phase and Nyquist curves sit. The step substitution
// takes the transfer function's coefficients.
struct Branch {
    Poly num;
    Poly den;
    Poly zNum;
    Poly zDen;
    Placement phase{};
    Turn nyquist{};
};

// The factor on a branch's numerator as it enters the total: the numerator
// as it is, negated, or times the polarity flag `pole`.
enum class Factor { One, Minus, Pole };

// The total of the branches: the numerator factors of the amplitude total and
// of the phase, delay and Nyquist totals, and where those curves sit.
struct Total {
    std::array<Factor, 3> amplitude{Factor::One, Factor::One, Factor::One};
    std::array<Factor, 3> angle{Factor::One, Factor::One, Factor::One};
    Placement phase{};
    Placement delay{};
    Turn nyquist{};
};

// A unit: its synthesis, the order in which it writes its sums, its branches
// (2-way Lo, Hi; 3-way Lo, Mid, Hi) and its total.
struct UnitShape {
    void (*cofCal)(Design&);
    int ways;
    Sum sum;
    std::array<Branch, 3> branch;
    Total total;
};

}  // namespace larkspan
