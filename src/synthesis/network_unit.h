// One order file's procedures, gathered so that the sweeps can pick the
// evaluator of a branch by channel, order and branch index.
#pragma once

#include <array>
#include <vector>

#include "model/design.h"
#include "synthesis/eval_state.h"

namespace larkspan {

using Synthesis = void (*)(Design&);
using Evaluator = void (*)(const Design&, EvalState&);

// A component value in display units (mH, µF), under the name the value sheet
// shows it by.
struct ComponentRef {
    const char* name;
    float Design::*value;
};

// Evaluator kinds, in the order of the tables below.
enum class EvalKind { Fr, Imp, Ph, Gd, Nq };

// The written procedure names of a unit's evaluators by kind (in the order of
// EvalKind, the step substitutions last) and branch slot.
using UnitLabels = std::array<std::array<const char*, 4>, 6>;

// Branch slots are indexed by `ii` − 1: 2-way Lo, Hi, To; 3-way Lo, Mid, Hi, To.
struct NetworkUnit {
    Synthesis cofCal = nullptr;
    std::array<Evaluator, 4> fr{};
    std::array<Evaluator, 4> imp{};
    std::array<Evaluator, 4> ph{};
    std::array<Evaluator, 4> gd{};
    std::array<Evaluator, 4> nq{};
    // Step substitutions per branch (no total): 2-way Lo, Hi; 3-way Lo, Mid, Hi.
    std::array<Evaluator, 3> step{};
    // The display values this network defines, in value-sheet order.
    std::vector<ComponentRef> components{};
    UnitLabels labels{};

    const std::array<Evaluator, 4>& of(EvalKind kind) const
    {
        switch (kind) {
            case EvalKind::Fr:
                return fr;
            case EvalKind::Imp:
                return imp;
            case EvalKind::Ph:
                return ph;
            case EvalKind::Gd:
                return gd;
            case EvalKind::Nq:
                break;
        }
        return nq;
    }
};

}  // namespace larkspan
