#include "corrections/attenuators.h"

#include "synthesis/precision.h"

namespace larkspan {

namespace {

// The level of a driver above the woofer's, the reference; a driver quieter
// than it gets no L-pad, since nothing is ever amplified.
float padAttenuation(float spl, float lowSpl)
{
    const float att = f32(D(spl) - D(lowSpl));
    return att <= 0 ? 0 : att;
}

}  // namespace

void CalcDiffAtt(Design& d)
{
    d.AttH = padAttenuation(d.HigSPL, d.LowSPL);
    d.AttM = padAttenuation(d.MidSPL, d.LowSPL);
    d.AttMbak = d.AttM;
    d.AttHbak = d.AttH;
    d.PinMbak = d.PinM;
    d.PinHbak = d.PinH;
    d.HigSPLbak = d.HigSPL;
    d.LowSPLbak = d.LowSPL;
    d.MidSPLbak = d.MidSPL;
}

}  // namespace larkspan
