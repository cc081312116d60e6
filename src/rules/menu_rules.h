// What the Channel, Order and Filter menus do to the design. The shell rebuilds
// the menus and redraws after each of these.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/alert.h"
#include "model/design.h"

namespace larkspan {

// The alignment keys the Filter menu of an order offers, in item order
// (item 1 first). Order 1 offers "Butter" only, in a disabled menu; an order
// outside 1 to 4 offers nothing.
const std::vector<std::string>& filterKeysForOrder(int order);

// The Filter menu item (1-based) of a key at an order, if the order offers it.
std::optional<int> filterItemForKey(int order, const std::string& key);

// Channel item 1 → 2-way, 2 → 3-way. Resets the alignment by the order's
// parity, marks the design dirty and recomputes the attenuators and
// corrections.
void chooseChannel(Design& d, int item);

// Order item 1 to 4. Resets the alignment by the new order's parity and marks
// the design dirty.
void chooseOrder(Design& d, int item);

// A Filter menu item of the current order. Sets the alignment, marks the
// design dirty and runs the frequency check, whose alert (if any) is returned;
// a corrected FXH stays in the design.
std::optional<Alert> chooseFilter(Design& d, int item);

}  // namespace larkspan
