#include "model/design.h"

namespace larkspan {

void InitSetupParaOnSave(Design& d)
{
    // A new design keeps the notch components and every derived value; only the
    // persistent inputs and the document flags go back to their defaults.
    const Design defaults;
    d.s_Type = defaults.s_Type;
    d.channel = defaults.channel;
    d.order = defaults.order;
    d.chnelID = defaults.chnelID;
    d.orderID = defaults.orderID;
    d.filtrID = defaults.filtrID;

    d.FX = defaults.FX;
    d.FXL = defaults.FXL;
    d.FXH = defaults.FXH;

    d.RE = defaults.RE;
    d.RM = defaults.RM;
    d.RH = defaults.RH;
    d.LE = defaults.LE;
    d.LM = defaults.LM;
    d.LH = defaults.LH;

    d.LowSPL = defaults.LowSPL;
    d.MidSPL = defaults.MidSPL;
    d.HigSPL = defaults.HigSPL;
    d.PinH = defaults.PinH;
    d.PinM = defaults.PinM;

    d.s_SPE = defaults.s_SPE;
    d.s_SPM = defaults.s_SPM;
    d.s_SPH = defaults.s_SPH;

    d.HigFS = d.HigVAS = d.HigQTS = d.HigQES = d.HigQMS = d.HigEFI = 0;
    d.HigVB = d.HigFC = d.HigQTC = 0;
    d.HigQA = defaults.HigQA;
    d.HigQAPopItem = defaults.HigQAPopItem;
    d.MidFS = d.MidVAS = d.MidQTS = d.MidQES = d.MidQMS = d.MifnI = 0;
    d.MidVB = d.MidFC = d.MidQTC = 0;
    d.MidQA = defaults.MidQA;
    d.MidQAPopItem = defaults.MidQAPopItem;

    d.HigNotchAorG = d.MidNotchAorG = 1;
    d.HigNotchGrp = d.MidNotchGrp = 1;
    d.HigCorrDisp = d.MidCorrDisp = 0;
    d.HigRemvImpInc = d.MidRemvImpInc = 0;

    d.fileName1 = defaults.fileName1;
    d.FreqCheckFlag = 0;
    d.SaveAsFlag = 0;
    d.DirtyFlag = 0;
}

namespace {

// The frequencies and the drivers' impedances as last accepted.
void takeLastAcceptedFrequenciesAndDrivers(Design& d)
{
    d.FXbak = d.FX;
    d.FXLbak = d.FXL;
    d.FXHbak = d.FXH;
    d.REbak = d.RE;
    d.RMbak = d.RM;
    d.RHbak = d.RH;
    d.LEbak = d.LE;
    d.LMbak = d.LM;
    d.LHbak = d.LH;
}

}  // namespace

void InitSetupParaNoSave(Design& d)
{
    d.s_Resp = "amp";
    d.respID = 1;
    takeLastAcceptedFrequenciesAndDrivers(d);
}

void takeLastAccepted(Design& d)
{
    takeLastAcceptedFrequenciesAndDrivers(d);
    d.LowSPLbak = d.LowSPL;
    d.MidSPLbak = d.MidSPL;
    d.HigSPLbak = d.HigSPL;
    d.PinHbak = d.PinH;
    d.PinMbak = d.PinM;
    d.AttHbak = d.AttH;
    d.AttMbak = d.AttM;
}

}  // namespace larkspan
