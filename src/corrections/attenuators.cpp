#include "corrections/attenuators.h"

namespace larkspan {

void CalcDiffAtt(Design& d)
{
    d.AttH = d.HigSPL - d.LowSPL;
    if (!(d.AttH > 0)) d.AttH = 0;
    d.AttM = d.MidSPL - d.LowSPL;
    if (!(d.AttM > 0)) d.AttM = 0;
    d.AttMbak = d.AttM;
    d.AttHbak = d.AttH;
    d.PinMbak = d.PinM;
    d.PinHbak = d.PinH;
    d.HigSPLbak = d.HigSPL;
    d.LowSPLbak = d.LowSPL;
    d.MidSPLbak = d.MidSPL;
}

}  // namespace larkspan
