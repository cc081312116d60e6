#include "corrections/attenuators.h"

namespace larkspan {

void CalcDiffAtt(Design& d)
{
    // The woofer is the reference; a driver quieter than it gets no L-pad,
    // since nothing is ever amplified.
    d.AttH = static_cast<float>(static_cast<double>(d.HigSPL) - static_cast<double>(d.LowSPL));
    d.AttM = static_cast<float>(static_cast<double>(d.MidSPL) - static_cast<double>(d.LowSPL));
    if (d.AttH <= 0) d.AttH = 0;
    if (d.AttM <= 0) d.AttM = 0;
    d.AttMbak = d.AttM;
    d.AttHbak = d.AttH;
    d.PinMbak = d.PinM;
    d.PinHbak = d.PinH;
    d.HigSPLbak = d.HigSPL;
    d.LowSPLbak = d.LowSPL;
    d.MidSPLbak = d.MidSPL;
}

}  // namespace larkspan
