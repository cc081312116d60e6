#include "corrections/impedance_correction.h"

#include <cmath>

namespace larkspan {

namespace {

double dbl(float v)
{
    return static_cast<double>(v);
}
float flt(double v)
{
    return static_cast<float>(v);
}

// Series R-C across a driver that cancels the rise of its impedance: the
// resistor equals the D.C. resistance, the capacitor (µF) is L/R² with the
// inductance turned from mH into henry.
void zobel(float re, float le, float& req, float& ceq)
{
    req = re;
    ceq = flt(((dbl(le) / 1000) / std::pow(dbl(re), 2.0)) * 1000000);
}

}  // namespace

void CalcImpIncAtt(Design& d)
{
    zobel(d.RE, d.LE, d.REQL, d.CEQL);
    zobel(d.RM, d.LM, d.REQM, d.CEQM);
    zobel(d.RH, d.LH, d.REQH, d.CEQH);

    // The working values are single-precision like the design's own, so each
    // one is rounded to float before the next formula reads it.
    float Kp = 0;
    float RLT = 0;
    float Vmax = 0;
    float ii1 = 0;
    float ii2 = 0;
    float iRAN = 0;

    // High-range L-pad: Kp is the power ratio, its square root the voltage
    // ratio; the pad keeps the load seen by the network equal to RH.
    if (d.AttH != 0) {
        d.AttH = -std::fabs(d.AttH);
        Kp = flt(std::pow(10.0, dbl(d.AttH) / 10));
        d.RPH = flt(dbl(d.RH) * (dbl(Kp) + std::pow(dbl(Kp), 0.5)) / (1 - dbl(Kp)));
        RLT = flt(1 / (1 / dbl(d.RPH) + 1 / dbl(d.RH)));
        d.RSH = flt(dbl(d.RH) - dbl(RLT));
        Vmax = flt(std::pow(dbl(d.PinH) * dbl(d.RH), 0.5));
        ii1 = flt(dbl(Vmax) / dbl(d.RH));
        ii2 = flt(dbl(ii1) * dbl(d.RH) / (dbl(d.RPH) + dbl(d.RH)));
        d.PRSH = flt(std::pow(dbl(ii1), 2.0) * dbl(d.RSH));
        d.PRPH = flt(std::pow(dbl(ii2), 2.0) * dbl(d.RPH));
    } else {
        d.RPH = 0;
        d.RSH = 0;
        d.PRSH = 0;
        d.PRPH = 0;
    }

    // Mid-range L-pad behind the level resistor RAN: the amplifier drives
    // RM + RAN, so the same current flows through RAN and the series resistor.
    if (d.AttM != 0) {
        d.AttM = -std::fabs(d.AttM);
        Kp = flt(std::pow(10.0, dbl(d.AttM) / 10));
        d.RPM = flt(dbl(d.RM) * (dbl(Kp) + std::pow(dbl(Kp), 0.5)) / (1 - dbl(Kp)));
        RLT = flt(1 / (1 / dbl(d.RPM) + 1 / dbl(d.RM)));
        d.RSM = flt(dbl(d.RM) - dbl(RLT));
        Vmax = flt(std::pow(dbl(d.PinM) * (dbl(d.RM) + dbl(d.RAN)), 0.5));
        ii1 = flt(dbl(Vmax) / (dbl(d.RM) + dbl(d.RAN)));
        iRAN = ii1;
        ii2 = flt(dbl(ii1) * dbl(d.RM) / (dbl(d.RPM) + dbl(d.RM)));
        d.PRSM = flt(std::pow(dbl(ii1), 2.0) * dbl(d.RSM));
        d.PRPM = flt(std::pow(dbl(ii2), 2.0) * dbl(d.RPM));
        d.PRAN = flt(std::pow(dbl(iRAN), 2.0) * dbl(d.RAN));
    } else {
        d.RPM = 0;
        d.RSM = 0;
        d.PRSM = 0;
        d.PRPM = 0;
        Vmax = flt(std::pow(dbl(d.PinM) * (dbl(d.RM) + dbl(d.RAN)), 0.5));
        ii1 = flt(dbl(Vmax) / (dbl(d.RM) + dbl(d.RAN)));
        iRAN = ii1;
        d.PRAN = flt(std::pow(dbl(iRAN), 2.0) * dbl(d.RAN));
    }
    d.PRT = flt(dbl(d.PRAN) + dbl(d.PRSM));
    d.RST = flt(dbl(d.RSM) + dbl(d.RAN));
}

}  // namespace larkspan
