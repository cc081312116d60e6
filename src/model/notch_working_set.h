// The notch sheet's working copy of one driver's data, and the notch
// calculation's own scratch values.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace larkspan {

// What the notch sheet edits. `Notch` selects the driver (1 = high range,
// 2 = mid range); the other members are the sheet's copies of that driver's
// label, level, Thiele/Small and box data and notch flags. The text members
// hold fields exactly as they were typed or pasted.
struct NotchWorkingSet {
    std::int16_t Notch = 0;
    std::string NotchWndTitle;

    std::string s_SP;
    float SPL = 0;
    float FS = 0;
    float VAS = 0;
    float QTS = 0;
    float QES = 0;
    float QMS = 0;
    float EFI = 0;
    float REE = 0;
    float LEE = 0;  // mH
    float VB = 0;
    float FC = 0;  // also receives the closed-box resonance of the notch calculation
    float QTC = 0;
    float QA = 0;
    std::int16_t NotchAorG = 0;
    std::int16_t NotchGrp = 0;
    std::int16_t QAPopItem = 0;
    std::int16_t RemvImpInc = 0;

    // Field texts kept by the sheet's OK and by the parameter paste.
    std::string s_DUMMY;
    std::string s_SPL, s_FS, s_VAS, s_QTS, s_QES, s_QMS, s_EFI;
    std::string s_REE, s_LEE, s_VB, s_FC, s_QTC, s_QA;

    // The clipboard text last taken by a paste (fewer than 256 bytes).
    std::string ClipText;
};

// Scratch of the resonance model and notch design. Kept apart from the
// network coefficients so that drawing a corrected-impedance view leaves the
// synthesis results alone. `CP` persists: a box loss factor outside the
// popup's values keeps the previous one, and before any it is 1, the factor
// of the loss factors 10 and up, so that a closed box is never given no
// volume at all.
struct NotchScratch {
    float CP = 1;
    float VAB = 0, AL1 = 0, AL2 = 0, HH = 0, VAT = 0;
    float QMB = 0, QMC = 0, QEC = 0, QESS = 0;
    float RES = 0, RPK = 0, RECC = 0, ZVC = 0;
    float REN = 0, L01 = 0, C01 = 0;  // notch: ohm, henry, farad
    float L02 = 0, C02 = 0;           // motional branch: henry, farad
    float REQ = 0, CEQ = 0;           // impedance-increase correction: ohm, farad
    // Driver impedance (B01 s³ + B02 s² + B03 s + B04)/(A01 s² + A02 s + 1),
    // notch (1 + B12 s + B11 s²)/(A11 s), correction (1 + B21 s)/(A21 s).
    float A01 = 0, A02 = 0, B01 = 0, B02 = 0, B03 = 0, B04 = 0;
    float A11 = 0, B11 = 0, B12 = 0;
    float A21 = 0, B21 = 0;
};

// The box loss factors of the Qa popup, items 1 to 5.
inline constexpr std::array<float, 5> kQaPopValues{5, 7, 10, 15, 20};

// The popup item that shows exactly `QA`; any other value keeps `previous`.
inline std::int16_t qaPopItemFor(float QA, std::int16_t previous)
{
    for (std::size_t i = 0; i < kQaPopValues.size(); ++i)
        if (QA == kQaPopValues[i]) return static_cast<std::int16_t>(i + 1);
    return previous;
}

}  // namespace larkspan
