#pragma once

#include "quenby/engine/ExpressionEvaluator.h"

#include <string>
#include <string_view>

namespace engine {

struct Evaluation {
    bool hasNormalised = false;                // false only for an empty raw text
    std::u16string normalised;                 // what the command writes back into the expression box
    std::u16string display;                    // the value text or one fixed message for the result box
    EvalStatus status = EvalStatus::Malformed; // the evaluator's outcome, when it ran
    bool evaluated = false;                    // false when a check stopped the run first
};

// The display text of an evaluator outcome (the value text for Ok).
std::u16string displayText(const EvalOutcome &outcome);

// The window-free evaluate command: raw text in, normalised text and display text out.
Evaluation EvaluateExpression(std::u16string_view raw);

} // namespace engine
