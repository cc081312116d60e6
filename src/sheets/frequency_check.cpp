#include "sheets/frequency_check.h"

#include <cmath>

namespace larkspan {

namespace {

struct SpacingLimits {
    double nearR2;     // too near when R2 is below this
    float nearFactor;  // then FXH = nearFactor * FXL
    const char* nearMessage;
    double farR2;     // too far when R2 is above this
    float farFactor;  // then FXH = farFactor * FXL
    const char* farMessage;
};

constexpr const char* kNearX3 = "Enter more separate frequencis.   FXL x 3  \u2264  FXH";
constexpr const char* kNearX4 = "Enter more separate frequencis.   FXL x 4  \u2264  FXH";
constexpr const char* kFarX25 = "Enter more narrow frequencis.   FXL x 25  \u2265  FXH";
constexpr const char* kFarCapitalX25 = "Enter more narrow frequencis.   FXL X 25  \u2265  FXH";
constexpr const char* kFarX50 = "Enter more narrow frequencis.   FXL x 50  \u2265  FXH";
constexpr const char* kFarX1000 = "Enter more narrow frequencis.   FXL x 1000  \u2265  FXH";

std::optional<SpacingLimits> limitsFor(int order, const std::string& type)
{
    switch (order) {
        case 1:
        case 2:
            if (type == "Chebyc") return SpacingLimits{1.73, 3, kNearX3, 5, 25, kFarX25};
            if (type == "ButAsy") return SpacingLimits{2.0, 4, kNearX4, 5, 25, kFarX25};
            return SpacingLimits{1.73, 3, kNearX3, 32, 1000, kFarX1000};
        case 3:
            if (type == "Chebyc" || type == "Bessel") return SpacingLimits{1.73, 3, kNearX3, 5, 25, kFarCapitalX25};
            return SpacingLimits{1.73, 3, kNearX3, 7.1, 50, kFarX50};
        case 4:
            if (type == "Chebyc") return SpacingLimits{1.73, 3, kNearX3, 5, 25, kFarX25};
            return SpacingLimits{1.73, 3, kNearX3, 7.1, 50, kFarX50};
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<Alert> FrequencyCheck(Design& d)
{
    const float product = d.FXL * d.FXH;  // formed in single precision
    // A product that single precision cannot hold (two large or two tiny
    // frequencies) would make the ratio 0 or infinite and call any spacing
    // too near or too far; it is formed in double then, where it always fits.
    const bool productFits = std::isnormal(product) || !std::isnormal(d.FXL) || !std::isnormal(d.FXH);
    const double wideProduct = productFits ? product : static_cast<double>(d.FXL) * d.FXH;
    d.F0 = static_cast<float>(std::pow(wideProduct, 0.5));
    d.R1 = static_cast<float>(static_cast<double>(d.FXL) / d.F0);
    d.R2 = static_cast<float>(static_cast<double>(d.FXH) / d.F0);

    const auto limits = limitsFor(d.order, d.s_Type);
    if (!limits) return std::nullopt;

    if (d.R2 < limits->nearR2) {
        d.FXH = limits->nearFactor * d.FXL;
        d.FreqCheckFlag = 1;
        return Alert{"ALERT!      Frequencis are too near.", limits->nearMessage};
    }
    // Written so that a NaN ratio (an infinite or NaN frequency) fails too.
    if (!(d.R2 <= limits->farR2)) {
        d.FXH = limits->farFactor * d.FXL;
        d.FreqCheckFlag = 1;
        return Alert{"ALERT!      Frequencis are too far.", limits->farMessage};
    }
    d.FreqCheckFlag = 0;
    return std::nullopt;
}

}  // namespace larkspan
