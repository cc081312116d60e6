#include "corrections/impedance_correction.h"

#include <cmath>

#include "synthesis/precision.h"

namespace larkspan {

namespace {

// Series R-C across a driver that cancels the rise of its impedance: the
// resistor equals the D.C. resistance, the capacitor (µF) is L/R² with the
// inductance turned from mH into henry.
void zobel(float re, float le, float& req, float& ceq)
{
    req = re;
    ceq = f32(((D(le) / 1000) / std::pow(D(re), 2.0)) * 1000000);
}

// The current that the rated power `pin` drives into the resistance `drive`.
float lineCurrent(float pin, double drive)
{
    const float Vmax = f32(std::pow(D(pin) * drive, 0.5));
    return f32(D(Vmax) / drive);
}

// An L-pad of `att` dB (made negative) in front of a driver of resistance R,
// fed through `drive` at the rated power `pin`: Kp is the power ratio, its
// square root the voltage ratio; the pad keeps the load seen by the network
// equal to R. A zero attenuation clears the pad.
void lPad(float& att, float R, double drive, float pin, float& RP, float& RS, float& PRS, float& PRP)
{
    if (att == 0) {
        RP = RS = PRS = PRP = 0;
        return;
    }
    att = -std::fabs(att);
    const float Kp = f32(std::pow(10.0, D(att) / 10));
    RP = f32(D(R) * (D(Kp) + std::pow(D(Kp), 0.5)) / (1 - D(Kp)));
    const float RLT = f32(1 / (1 / D(RP) + 1 / D(R)));
    RS = f32(D(R) - D(RLT));
    const float ii1 = lineCurrent(pin, drive);
    const float ii2 = f32(D(ii1) * D(R) / (D(RP) + D(R)));
    PRS = f32(std::pow(D(ii1), 2.0) * D(RS));
    PRP = f32(std::pow(D(ii2), 2.0) * D(RP));
}

}  // namespace

void CalcImpIncAtt(Design& d)
{
    zobel(d.RE, d.LE, d.REQL, d.CEQL);
    zobel(d.RM, d.LM, d.REQM, d.CEQM);
    zobel(d.RH, d.LH, d.REQH, d.CEQH);

    // The working values are single-precision like the design's own, so each
    // one is rounded to float before the next formula reads it.
    lPad(d.AttH, d.RH, D(d.RH), d.PinH, d.RPH, d.RSH, d.PRSH, d.PRPH);
    // The mid pad sits behind the level resistor RAN: the amplifier drives
    // RM + RAN, so the same current flows through RAN and the series resistor.
    const double midDrive = D(d.RM) + D(d.RAN);
    lPad(d.AttM, d.RM, midDrive, d.PinM, d.RPM, d.RSM, d.PRSM, d.PRPM);
    d.PRAN = f32(std::pow(D(lineCurrent(d.PinM, midDrive)), 2.0) * D(d.RAN));
    d.PRT = f32(D(d.PRAN) + D(d.PRSM));
    d.RST = f32(D(d.RSM) + D(d.RAN));
}

}  // namespace larkspan
