// The evaluators of an order unit, produced from its shape (unit_shape.h):
// each branch's transfer function and input impedance at s = j·w, evaluated
// in double from the float coefficients, turned into an attenuation, an
// impedance, a phase, a group-delay step or a Nyquist point; the branches
// loaded into the combination procedures for the total; and the step
// substitution from the transfer function's coefficients.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "model/design.h"
#include "synthesis/combine.h"
#include "synthesis/eval_state.h"
#include "synthesis/evaluator_steps.h"
#include "synthesis/network_unit.h"
#include "synthesis/precision.h"
#include "synthesis/unit_shape.h"

namespace larkspan {

namespace unit_detail {

inline bool reversed(const Design& d)
{
    return d.pole == -1;
}

// Whether a polynomial has a term of the parity (0 even, 1 odd).
inline bool hasPart(const Poly& p, int parity)
{
    for (int k = parity; k <= p.degree(); k += 2)
        if (!p.ofPower(k).absent()) return true;
    return false;
}

// A numerator as it enters the total: each part that has terms times the
// factor; a part without terms stays zero.
inline Parts scaled(Parts v, const Poly& p, Factor f, const Design& d)
{
    if (f == Factor::One) return v;
    const double by = f == Factor::Minus ? -1.0 : static_cast<double>(d.pole);
    if (hasPart(p, 0)) v.re = by * v.re;
    if (hasPart(p, 1)) v.im = by * v.im;
    return v;
}

// Squared magnitudes of a branch's numerator and denominator into NU and DE.
inline void magnitudes(EvalState& e, const Ratio& r)
{
    e.NU = static_cast<float>(r.num.norm());
    e.DE = static_cast<float>(r.den.norm());
}

// The denominator as the phase parts DR, DJ and the branch's raw phase from
// it in yy, a negative one moved up by `fold`; unwrapped unless raw.
inline void branchPhase(EvalState& e, const Parts& den, float fold, bool unwrap)
{
    e.DR = den.re;
    e.DJ = den.im;
    e.yy = static_cast<float>(-degreesOf(e.DJ, e.DR));
    if (e.yy < 0) e.yy += fold;
    if (unwrap) unwrapStep(e);
}

// Raw phase of the combined total in yy, folded into 0..180 and unwrapped.
inline void combinedPhase(EvalState& e)
{
    e.yy = static_cast<float>(degreesOf(e.NJ, e.NR) - degreesOf(e.DJ, e.DR));
    foldAndUnwrap(e);
}

// The unwrapped phase placed on its graph.
inline void place(EvalState& e, const Placement& p, bool rev)
{
    if (p.chain == Chain::Single) e.yy = e.yy + e.ss + static_cast<float>(p.offset);
    if (p.chain == Chain::Double) e.yy = f32(D(e.yy) + D(e.ss) + (p.offset + (rev ? p.whenReversed : 0)));
    if (rev && p.thenReversed != 0) e.yy = f32(D(e.yy) + p.thenReversed);
    if (p.wrap) {
        if (e.yy < 0) e.yy = f32(D(e.yy) + 360);
        if (e.yy > 360) e.yy = f32(D(e.yy) - 360);
    }
}

// A branch's magnitude gg from NU/DE and raw phase fai = −atan(DJ/DR) of its
// denominator (with the shift, where the shift is taken in the angle).
inline void branchPolar(EvalState& e, const Ratio& r, const Turn& t)
{
    magnitudes(e, r);
    e.DR = r.den.re;
    e.DJ = r.den.im;
    e.gg = static_cast<float>(std::pow(static_cast<double>(e.NU) / e.DE, 0.5));
    if (t.stage == Stage::InAngle)
        e.fai = f32(-std::atan(e.DJ / e.DR) + t.shift);
    else
        e.fai = f32(-std::atan(e.DJ / e.DR));
}

// Magnitude gg and raw phase fai of the combined total.
inline void combinedPolar(EvalState& e)
{
    e.gg = static_cast<float>(std::pow(combinedRatio(e), 0.5));
    e.fai = static_cast<float>(std::atan(e.NJ / e.NR) - std::atan(e.DJ / e.DR));
}

// The Nyquist point of the raw phase in fai, turned into place.
inline void turn(EvalState& e, const Turn& t, bool rev)
{
    if (t.stage != Stage::InAngle && e.fai < 0) e.fai = f32(e.fai + t.fold);
    if (t.stage == Stage::AfterUnwrap) {
        if (e.fai2 - e.fai > 2.8) e.ss = f32(e.ss + pi);
        if (e.fai2 - e.fai < -2.8) e.ss = f32(e.ss - pi);
        e.fai2 = e.fai;
        e.fai = f32(D(e.fai) + e.ss + (t.shift + (rev ? t.whenReversed : 0)));
        e.xx = f32(e.gg * std::cos(D(e.fai)));
        e.yy = f32(e.gg * std::sin(D(e.fai)));
        return;
    }
    if (t.stage == Stage::BeforeUnwrap && t.shift != 0) e.fai = f32(e.fai + t.shift);
    if (rev && t.thenReversed != 0) e.fai = f32(e.fai + t.thenReversed);
    nyquistStep(e);
}

// Step substitution: H(s)/s with s scaled by 10^4, so that the time unit is
// 0.1 ms. Each power k of s carries 10^(4k), and the division by s appends a
// zero constant term to the denominator.
inline void stepLists(EvalState& e, const Poly& num, const Poly& den, const Design& d)
{
    e.NUO = static_cast<std::int32_t>(num.size) - 1;
    int power = e.NUO;
    for (std::size_t i = 0; i < num.size; ++i) e.NUT[i + 1] = num.c[i].of(d) * std::pow(10.0, 4 * power--);
    e.DEO = static_cast<std::int32_t>(den.size);
    power = e.DEO - 1;
    for (std::size_t i = 0; i < den.size; ++i) e.DET[i + 1] = den.c[i].of(d) * std::pow(10.0, 4 * power--);
    e.DET[den.size + 1] = 0;
}

// The branch parts as float, as the combination procedures take them.
inline void load(float& nr, float& nj, float& dr, float& dj, const Ratio& r)
{
    nr = static_cast<float>(r.num.re);
    nj = static_cast<float>(r.num.im);
    dr = static_cast<float>(r.den.re);
    dj = static_cast<float>(r.den.im);
}

inline void loadBranches(EvalState& e, const Ratio* r, int ways)
{
    load(e.LNR, e.LNJ, e.LDR, e.LDJ, r[0]);
    if (ways == 3) load(e.MNR, e.MNJ, e.MDR, e.MDJ, r[1]);
    load(e.HNR, e.HNJ, e.HDR, e.HDJ, r[ways - 1]);
}

// The polynomials of a branch, by name, so that each evaluates as straight
// code: the coefficients, powers and signs are known when it is compiled.
enum class Part { Num, Den, ZNum, ZDen };

template <const UnitShape& U, std::size_t B, Part X>
constexpr const Poly& polyOf()
{
    const Branch& b = U.branch[B];
    return X == Part::Num ? b.num : X == Part::Den ? b.den : X == Part::ZNum ? b.zNum : b.zDen;
}

// The power of the i-th term in summing order.
constexpr int powerAt(const Poly& p, Sum order, int i)
{
    return order == Sum::FromLowest ? i : p.degree() - i;
}

constexpr bool counts(const Poly& p, Sum order, int i, int parity)
{
    const int k = powerAt(p, order, i);
    return k % 2 == parity && !p.ofPower(k).absent();
}

// The index of the first term that counts, or −1.
constexpr int firstTerm(const Poly& p, Sum order, int parity)
{
    for (int i = 0; i <= p.degree(); ++i)
        if (counts(p, order, i, parity)) return i;
    return -1;
}

// One term into the sum of its parity (0: even powers, the real part; 1: odd
// powers, the imaginary part), with the sign of jᵏ, in the unit's summing
// order. An absent power adds nothing; a sum whose first term is negative
// starts from its negation, and a sum without terms stays zero.
template <const UnitShape& U, std::size_t B, Part X, int Parity, int I>
void addTerm(const Design& d, const Powers& w, double& sum)
{
    constexpr const Poly& p = polyOf<U, B, X>();
    if constexpr (counts(p, U.sum, I, Parity)) {
        constexpr int k = powerAt(p, U.sum, I);
        const double t = termOf(p.ofPower(k).of(d), w, k);
        if constexpr (firstTerm(p, U.sum, Parity) == I)
            sum = k % 4 >= 2 ? -t : t;
        else
            sum = k % 4 >= 2 ? sum - t : sum + t;
    }
}

template <const UnitShape& U, std::size_t B, Part X>
Parts partsAt(const Design& d, const Powers& w)
{
    constexpr int size = polyOf<U, B, X>().degree() + 1;
    double re = 0;
    double im = 0;
    [&]<int... I>(std::integer_sequence<int, I...>)
    {
        (addTerm<U, B, X, 0, I>(d, w, re), ...);
        (addTerm<U, B, X, 1, I>(d, w, im), ...);
    }
    (std::make_integer_sequence<int, size>{});
    return {re, im};
}

template <const UnitShape& U, std::size_t B>
Ratio transferAt(const Design& d, double w)
{
    const Powers p(w);
    return {partsAt<U, B, Part::Num>(d, p), partsAt<U, B, Part::Den>(d, p)};
}

template <const UnitShape& U, std::size_t B>
Ratio impedanceAt(const Design& d, double w)
{
    const Powers p(w);
    return {partsAt<U, B, Part::ZNum>(d, p), partsAt<U, B, Part::ZDen>(d, p)};
}

// Every branch's transfer function (with its numerator factor) or impedance.
template <const UnitShape& U, bool Impedance>
std::array<Ratio, 3> branchesAt(const Design& d, double w, const std::array<Factor, 3>& factors)
{
    std::array<Ratio, 3> r{};
    [&]<std::size_t... B>(std::index_sequence<B...>)
    {
        ((r[B] = Impedance ? impedanceAt<U, B>(d, w) : transferAt<U, B>(d, w)), ...);
    }
    (std::make_index_sequence<static_cast<std::size_t>(U.ways)>{});
    if (!Impedance)
        for (std::size_t i = 0; i < static_cast<std::size_t>(U.ways); ++i)
            r[i].num = scaled(r[i].num, U.branch[i].num, factors[i], d);
    return r;
}

// The total transfer function of the branches into NR, NJ, DR, DJ.
template <const UnitShape& U>
void totalTransfer(const Design& d, EvalState& e, const std::array<Factor, 3>& factors)
{
    const std::array<Ratio, 3> r = branchesAt<U, false>(d, e.f, factors);
    loadBranches(e, r.data(), U.ways);
    if (U.ways == 2)
        TwoWayToCal(e);
    else
        ThreeWayToCal(e);
}

template <const UnitShape& U, std::size_t I>
void frCal(const Design& d, EvalState& e)
{
    if constexpr (I == static_cast<std::size_t>(U.ways)) {
        totalTransfer<U>(d, e, U.total.amplitude);
        e.yy = f32(-10.0 * decimalLog(combinedRatio(e)));
    } else {
        const Ratio r = transferAt<U, I>(d, e.f);
        magnitudes(e, r);
        e.yy = attenuationDb(e.NU, e.DE);
    }
}

template <const UnitShape& U, std::size_t I>
void impCal(const Design& d, EvalState& e)
{
    if constexpr (I == static_cast<std::size_t>(U.ways)) {
        // The input impedance of the branches in parallel.
        const std::array<Ratio, 3> r = branchesAt<U, true>(d, e.f, {});
        loadBranches(e, r.data(), U.ways);
        if (U.ways == 2)
            TwoWayToImpCal(e);
        else
            ThreeWayToImpCal(e);
        e.yy = f32(std::log10(std::pow(combinedRatio(e), 0.5)));
    } else {
        magnitudes(e, impedanceAt<U, I>(d, e.f));
        e.yy = logMagnitude(e.NU, e.DE);
    }
}

// The raw phase of a slot in yy, unwrapped (a branch's from its transfer
// denominator, unless shown raw).
template <const UnitShape& U, std::size_t I>
void rawPhase(const Design& d, EvalState& e, const Placement& p)
{
    if constexpr (I == static_cast<std::size_t>(U.ways)) {
        totalTransfer<U>(d, e, U.total.angle);
        combinedPhase(e);
    } else {
        branchPhase(e, transferAt<U, I>(d, e.f).den, p.fold, p.chain != Chain::Raw);
    }
}

template <const UnitShape& U, std::size_t I>
void phCal(const Design& d, EvalState& e)
{
    const Placement& p = I == static_cast<std::size_t>(U.ways) ? U.total.phase : U.branch[I].phase;
    rawPhase<U, I>(d, e, p);
    place(e, p, reversed(d));
}

// A branch's delay takes its unwrapped phase as it is.
template <const UnitShape& U, std::size_t I>
void gdCal(const Design& d, EvalState& e)
{
    const Placement& p = I == static_cast<std::size_t>(U.ways) ? U.total.delay : Placement{};
    rawPhase<U, I>(d, e, p);
    place(e, p, reversed(d));
    groupDelayStep(e);
}

template <const UnitShape& U, std::size_t I>
void nqCal(const Design& d, EvalState& e)
{
    if constexpr (I == static_cast<std::size_t>(U.ways)) {
        totalTransfer<U>(d, e, U.total.angle);
        combinedPolar(e);
        turn(e, U.total.nyquist, reversed(d));
    } else {
        branchPolar(e, transferAt<U, I>(d, e.f), U.branch[I].nyquist);
        turn(e, U.branch[I].nyquist, reversed(d));
    }
}

template <const UnitShape& U, std::size_t I>
void stepCal(const Design& d, EvalState& e)
{
    stepLists(e, U.branch[I].num, U.branch[I].den, d);
}

template <const UnitShape& U, std::size_t I>
void fillSlot(NetworkUnit& n)
{
    n.fr[I] = frCal<U, I>;
    n.imp[I] = impCal<U, I>;
    n.ph[I] = phCal<U, I>;
    n.gd[I] = gdCal<U, I>;
    n.nq[I] = nqCal<U, I>;
    if constexpr (I < static_cast<std::size_t>(U.ways)) n.step[I] = stepCal<U, I>;
}

template <const UnitShape& U, std::size_t... I>
void fill(NetworkUnit& n, std::index_sequence<I...>)
{
    (fillSlot<U, I>(n), ...);
}

}  // namespace unit_detail

// A unit's table: every evaluator of its shape, labelled with the written
// procedure names, and its components in value-sheet order.
template <const UnitShape& U>
NetworkUnit makeUnit(const UnitLabels& labels, std::vector<ComponentRef> components)
{
    NetworkUnit n;
    n.cofCal = U.cofCal;
    unit_detail::fill<U>(n, std::make_index_sequence<static_cast<std::size_t>(U.ways) + 1>{});
    n.labels = labels;
    n.components = std::move(components);
    return n;
}

}  // namespace larkspan
