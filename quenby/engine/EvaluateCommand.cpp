#include "quenby/engine/EvaluateCommand.h"

#include "quenby/engine/Messages.h"
#include "quenby/engine/NumberText.h"

namespace engine {

std::u16string displayText(const EvalOutcome &outcome)
{
    switch (outcome.status) {
    case EvalStatus::Ok:
        return FormatResult(outcome.value);
    case EvalStatus::DivideByZero:
        return std::u16string(msg::kDivideByZero);
    case EvalStatus::ZeroRoot:
        return std::u16string(msg::kZeroRoot);
    case EvalStatus::LnDomain:
        return std::u16string(msg::kLnDomain);
    case EvalStatus::Malformed:
        return std::u16string(msg::kMalformed);
    case EvalStatus::Overflow:
        break;
    }
    return std::u16string(msg::kOverflow);
}

Evaluation EvaluateExpression(std::u16string_view raw)
{
    Evaluation result;
    if (raw.empty()) {
        result.display = msg::kEmpty;
        return result;
    }

    CharList list;
    result.hasNormalised = true;
    result.normalised = NormaliseExpression(raw, list);

    if (list.overflow) {
        // Longer than the character list holds: nothing beyond it could be evaluated.
        result.display = msg::kMalformed;
        return result;
    }
    if (const auto fault = CheckExpression(list)) {
        result.display = *fault;
        return result;
    }

    Evaluator evaluator;
    const EvalOutcome outcome = evaluator.evaluate(list);
    result.evaluated = true;
    result.status = outcome.status;
    result.display = displayText(outcome);
    return result;
}

} // namespace engine
