#include "rules/menu_rules.h"

#include "corrections/attenuators.h"
#include "corrections/impedance_correction.h"
#include "sheets/frequency_check.h"

namespace larkspan {

namespace {

void resetAlignmentByParity(Design& d)
{
    d.s_Type = (d.order == 1 || d.order == 3) ? "Butter" : "Linkwi";
    d.filtrID = 1;
}

}  // namespace

const std::vector<std::string>& filterKeysForOrder(int order)
{
    static const std::vector<std::string> first{"Butter"};
    static const std::vector<std::string> odd{"Butter", "Bessel", "Chebyc"};
    static const std::vector<std::string> even{"Linkwi", "Butter", "ButAsy", "Bessel", "Chebyc"};
    static const std::vector<std::string> none;
    switch (order) {
        case 1:
            return first;
        case 3:
            return odd;
        case 2:
        case 4:
            return even;
        default:
            return none;
    }
}

std::optional<int> filterItemForKey(int order, const std::string& key)
{
    const auto& keys = filterKeysForOrder(order);
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (keys[i] == key) return static_cast<int>(i) + 1;
    return std::nullopt;
}

void chooseChannel(Design& d, int item)
{
    d.channel = static_cast<std::int16_t>(item == 2 ? 3 : 2);
    d.chnelID = static_cast<std::int16_t>(item == 2 ? 2 : 1);
    resetAlignmentByParity(d);
    d.DirtyFlag = 1;
    CalcDiffAtt(d);
    CalcImpIncAtt(d);
}

void chooseOrder(Design& d, int item)
{
    d.order = static_cast<std::int16_t>(item);
    d.orderID = static_cast<std::int16_t>(item);
    resetAlignmentByParity(d);
    d.DirtyFlag = 1;
}

std::optional<Alert> chooseFilter(Design& d, int item)
{
    const auto& keys = filterKeysForOrder(d.order);
    if (item < 1 || item > static_cast<int>(keys.size())) return std::nullopt;
    d.s_Type = keys[static_cast<std::size_t>(item - 1)];
    d.DirtyFlag = 1;
    d.filtrID = static_cast<std::int16_t>(item);
    return FrequencyCheck(d);
}

}  // namespace larkspan
