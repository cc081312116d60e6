#include "synthesis/combine.h"

namespace larkspan {

namespace {

struct Cx {
    double re;
    double im;
};

Cx operator*(Cx a, Cx b)
{
    return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}
Cx operator+(Cx a, Cx b)
{
    return {a.re + b.re, a.im + b.im};
}

Cx lowNum(const EvalState& e)
{
    return {e.LNR, e.LNJ};
}
Cx lowDen(const EvalState& e)
{
    return {e.LDR, e.LDJ};
}
Cx midNum(const EvalState& e)
{
    return {e.MNR, e.MNJ};
}
Cx midDen(const EvalState& e)
{
    return {e.MDR, e.MDJ};
}
Cx highNum(const EvalState& e)
{
    return {e.HNR, e.HNJ};
}
Cx highDen(const EvalState& e)
{
    return {e.HDR, e.HDJ};
}

void store(EvalState& e, Cx num, Cx den)
{
    e.NR = num.re;
    e.NJ = num.im;
    e.DR = den.re;
    e.DJ = den.im;
}

}  // namespace

void TwoWayToCal(EvalState& e)
{
    const Cx ln = lowNum(e), ld = lowDen(e), hn = highNum(e), hd = highDen(e);
    store(e, ln * hd + ld * hn, ld * hd);
}

void ThreeWayToCal(EvalState& e)
{
    const Cx ln = lowNum(e), ld = lowDen(e), mn = midNum(e), md = midDen(e);
    const Cx hn = highNum(e), hd = highDen(e);
    store(e, ln * md * hd + ld * mn * hd + ld * md * hn, ld * md * hd);
}

void TwoWayToImpCal(EvalState& e)
{
    const Cx ln = lowNum(e), ld = lowDen(e), hn = highNum(e), hd = highDen(e);
    store(e, ln * hn, ln * hd + ld * hn);
}

void ThreeWayToImpCal(EvalState& e)
{
    const Cx ln = lowNum(e), ld = lowDen(e), mn = midNum(e), md = midDen(e);
    const Cx hn = highNum(e), hd = highDen(e);
    store(e, ln * mn * hn, ld * mn * hn + ln * md * hn + ln * mn * hd);
}

}  // namespace larkspan
