// What a step did to a design, as one line: every field a user or a sheet can
// see that differs from before, "name old→new" in a fixed order. One string
// comparison then says both what changed and that nothing else did.
#pragma once

#include <charconv>
#include <string>
#include <type_traits>

#include "model/design.h"

namespace larkspan::test {

// The fields compared: the selection, inputs and their last accepted copies,
// the driver data, levels, corrections, components and document state.
// clang-format off
#define LARKSPAN_DESIGN_FIELDS(X)                                                                              \
    X(s_Type) X(channel) X(order) X(chnelID) X(orderID) X(filtrID) X(FX) X(FXL) X(FXH) X(RE) X(RM) X(RH)      \
    X(LE) X(LM) X(LH) X(LowSPL) X(MidSPL) X(HigSPL) X(PinH) X(PinM) X(s_SPE) X(s_SPM) X(s_SPH) X(HigFS)      \
    X(HigVAS) X(HigQTS) X(HigQES) X(HigQMS) X(HigEFI) X(HigVB) X(HigFC) X(HigQTC) X(HigQA) X(HigQAPopItem)   \
    X(MidFS) X(MidVAS) X(MidQTS) X(MidQES) X(MidQMS) X(MifnI) X(MidVB) X(MidFC) X(MidQTC) X(MidQA)           \
    X(MidQAPopItem) X(HigNotchAorG) X(MidNotchAorG) X(HigNotchGrp) X(MidNotchGrp) X(HigCorrDisp)             \
    X(MidCorrDisp) X(HigRemvImpInc) X(MidRemvImpInc) X(RNTH) X(LNTH) X(CNTH) X(RNTM) X(LNTM) X(CNTM)         \
    X(LL1) X(LL2) X(CL1) X(CL2) X(LM1) X(LM2) X(LM3) X(LM4) X(CM1) X(CM2) X(CM3) X(CM4) X(CH1) X(CH2)        \
    X(LH1) X(LH2) X(RAN) X(pole) X(AttH) X(AttM) X(REQL) X(CEQL) X(REQM) X(CEQM) X(REQH) X(CEQH) X(RSH)      \
    X(RPH) X(PRSH) X(PRPH) X(RSM) X(RPM) X(PRSM) X(PRPM) X(PRAN) X(RST) X(PRT) X(fileName1) X(DirtyFlag)     \
    X(SaveAsFlag) X(FreqCheckFlag) X(corrImpFlg) X(attValueFlag) X(s_Resp) X(respID) X(FXbak) X(FXLbak)      \
    X(FXHbak) X(REbak) X(RMbak) X(RHbak) X(LEbak) X(LMbak) X(LHbak) X(LowSPLbak) X(MidSPLbak) X(HigSPLbak)    \
    X(PinHbak) X(PinMbak) X(AttHbak) X(AttMbak)
// clang-format on

template <typename T>
std::string shown(const T& v)
{
    if constexpr (std::is_same_v<T, std::string>) {
        return '"' + v + '"';
    } else if constexpr (std::is_floating_point_v<T>) {
        char buf[32];
        const auto r = std::to_chars(buf, buf + sizeof buf, v);
        return std::string(buf, r.ptr);
    } else {
        return std::to_string(+v);
    }
}

inline std::string changes(const Design& before, const Design& after)
{
    std::string out;
#define LARKSPAN_CHANGE(field)          \
    if (!(before.field == after.field)) \
        out += (out.empty() ? "" : " ") + std::string(#field) + " " + shown(before.field) + "→" + shown(after.field);
    LARKSPAN_DESIGN_FIELDS(LARKSPAN_CHANGE)
#undef LARKSPAN_CHANGE
    return out;
}

}  // namespace larkspan::test
