// The design parameter set: the whole state of one crossover design.
//
// Every variable keeps the name the rest of the program uses for it, so that a
// formula reads the same here as in its derivation. Values stored as 32-bit
// floats are `float`; formulas evaluate in double from those floats and store
// the result back as float.
#pragma once

#include <cstdint>
#include <string>

#include "model/notch_working_set.h"

namespace larkspan {

// 2π, set once and never changed.
inline constexpr double PI2 = 6.283185307179586;
inline constexpr double pi = 3.141592653589793;

struct Design {
    // A. Selection
    std::string s_Type = "Butter";
    std::int16_t channel = 2;
    std::int16_t order = 1;
    std::int16_t chnelID = 1;
    std::int16_t orderID = 1;
    std::int16_t filtrID = 1;

    // B. Crossover frequencies, Hz
    float FX = 650.0F;
    float FXL = 200.0F;
    float FXH = 2000.0F;

    // C. Driver electrical data: ohm and mH
    float RE = 6.0F;
    float RM = 6.0F;
    float RH = 6.0F;
    float LE = 0.5F;
    float LM = 0.25F;
    float LH = 0.125F;

    // D. Levels (dB at 1 W / 1 m) and attenuator input powers (W)
    float LowSPL = 90.0F;
    float MidSPL = 96.0F;
    float HigSPL = 100.0F;
    float PinH = 10.0F;
    float PinM = 10.0F;

    // E. Driver labels
    std::string s_SPE = "Default Low";
    std::string s_SPM = "Default Mid";
    std::string s_SPH = "Default High";

    // F. Thiele/Small and box data of the high-range and mid-range drivers
    float HigFS = 0, HigVAS = 0, HigQTS = 0, HigQES = 0, HigQMS = 0, HigEFI = 0;
    float HigVB = 0, HigFC = 0, HigQTC = 0, HigQA = 10;
    std::int16_t HigQAPopItem = 3;
    float MidFS = 0, MidVAS = 0, MidQTS = 0, MidQES = 0, MidQMS = 0, MifnI = 0;
    float MidVB = 0, MidFC = 0, MidQTC = 0, MidQA = 10;
    std::int16_t MidQAPopItem = 3;

    // G. Correction state
    std::int16_t HigNotchAorG = 1, MidNotchAorG = 1;
    std::int16_t HigNotchGrp = 1, MidNotchGrp = 1;
    std::int16_t HigCorrDisp = 0, MidCorrDisp = 0;
    std::int16_t HigRemvImpInc = 0, MidRemvImpInc = 0;
    // Notch components; a new design does not reset them.
    float RNTH = 0, LNTH = 0, CNTH = 0;
    float RNTM = 0, LNTM = 0, CNTM = 0;

    // H. Derived values, recomputed by cofCal and the correction procedures.
    // Components in SI units (farad, henry).
    float C1 = 0, C2 = 0, C3 = 0, C4 = 0, C5 = 0, C6 = 0, C7 = 0, C8 = 0;
    float L1 = 0, L2 = 0, L3 = 0, L4 = 0, L5 = 0, L6 = 0, L7 = 0, L8 = 0;
    // Components in display units (mH, µF).
    float LL1 = 0, LL2 = 0, CL1 = 0, CL2 = 0;
    float LM1 = 0, LM2 = 0, LM3 = 0, LM4 = 0;
    float CM1 = 0, CM2 = 0, CM3 = 0, CM4 = 0;
    float CH1 = 0, CH2 = 0, LH1 = 0, LH2 = 0;
    // Branch coefficients: A for transfer functions, B for input impedances.
    float A00 = 0, A01 = 0, A02 = 0, A03 = 0, A04 = 0, A05 = 0, A001 = 0, A002 = 0;
    float A11 = 0, A12 = 0, A13 = 0, A14 = 0, A15 = 0;
    float A21 = 0, A22 = 0, A23 = 0, A24 = 0, A25 = 0, A26 = 0, A27 = 0, A28 = 0, A29 = 0, A30 = 0;
    float B00 = 0, B01 = 0, B02 = 0, B03 = 0, B04 = 0, B05 = 0, B06 = 0, B07 = 0, B08 = 0, B09 = 0, B001 = 0, B002 = 0;
    float B11 = 0, B12 = 0, B13 = 0, B14 = 0, B15 = 0, B16 = 0, B17 = 0, B18 = 0, B19 = 0;
    float B21 = 0, B22 = 0, B23 = 0, B24 = 0, B25 = 0, B26 = 0, B27 = 0, B28 = 0, B29 = 0, B30 = 0, B31 = 0, B32 = 0;
    float C01 = 0, C02 = 0;
    float C21 = 0, C22 = 0, C23 = 0, C24 = 0, C25 = 0, C26 = 0, C27 = 0, C28 = 0, C29 = 0;
    // Working variables of the syntheses; they persist between runs like the
    // components, so a key that changes no component sees the previous ones.
    float AA = 0, AA1 = 0, AA2 = 0, BB = 0, BB0 = 0, BB1 = 0, BB2 = 0;
    float CC = 0, CC1 = 0, CC2 = 0, DD2 = 0, E0 = 0, E02 = 0;
    float F0 = 0, F00 = 0, FFF = 0, FOF = 0, FXH2 = 0, FXL2 = 0, G0 = 0;
    float H1 = 0, H2 = 0, J0 = 0, KK1 = 0, KK2 = 0, L0 = 0, M0 = 0, N0 = 0;
    float P0 = 0, P1 = 0, Q0 = 0, R0 = 0, R01 = 0, R02 = 0, R1 = 0, R2 = 0, T0 = 0;
    float Y1 = 0, y01 = 0, y02 = 0, y11 = 0, y12 = 0, y2 = 0, k0 = 0;
    // 3-way mid level resistor (ohm) and the driver polarity flag.
    float RAN = 0;
    std::int16_t pole = 1;
    // Attenuation targets (dB) and the L-pad and correction values.
    float AttH = 0, AttM = 0;
    float REQL = 0, CEQL = 0, REQM = 0, CEQM = 0, REQH = 0, CEQH = 0;
    float RSH = 0, RPH = 0, PRSH = 0, PRPH = 0;
    float RSM = 0, RPM = 0, PRSM = 0, PRPM = 0;
    float PRAN = 0, RST = 0, PRT = 0;

    // I. Document state
    std::string fileName1 = "untitled.xvrdoc";
    std::uint8_t DirtyFlag = 0;
    std::uint8_t SaveAsFlag = 0;
    // 1 when the last frequency check found the spacing outside its limits.
    std::uint8_t FreqCheckFlag = 0;
    // 1 when the last OK of the impedance-correction or attenuator sheet was
    // refused.
    std::int16_t corrImpFlg = 0;
    std::int16_t attValueFlag = 0;

    // J. Response selection
    std::string s_Resp = "amp";
    std::int16_t respID = 1;

    // K. Last accepted values of each input
    float FXbak = 650.0F, FXLbak = 200.0F, FXHbak = 2000.0F;
    float REbak = 6.0F, RMbak = 6.0F, RHbak = 6.0F;
    float LEbak = 0.5F, LMbak = 0.25F, LHbak = 0.125F;
    float LowSPLbak = 90.0F, MidSPLbak = 96.0F, HigSPLbak = 100.0F;
    float PinHbak = 10.0F, PinMbak = 10.0F;
    float AttHbak = 0, AttMbak = 0;

    // The notch sheet's working copy of the selected driver, and the notch
    // calculation's scratch.
    NotchWorkingSet notchSet;
    NotchScratch notchCalc;
};

// Resets groups A to G and the document flags to a new design's defaults; the
// notch component values keep theirs.
void InitSetupParaOnSave(Design& d);

// Selects the amplitude view and takes the last-accepted copies of the
// frequencies and driver data from the current values.
void InitSetupParaNoSave(Design& d);

// Makes every current input its own last accepted value.
void takeLastAccepted(Design& d);

}  // namespace larkspan
