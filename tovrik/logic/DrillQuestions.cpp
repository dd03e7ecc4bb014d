#include "tovrik/logic/DrillQuestions.h"

#include "platform/core/RandomSource.h"

namespace drill {

QString operatorText(QuestionKind kind)
{
    switch (kind) {
    case QuestionKind::Multiplication:
        return QStringLiteral("x");
    case QuestionKind::Division:
        return QStringLiteral("\u00F7");
    case QuestionKind::Addition100:
    case QuestionKind::Addition1000:
        return QStringLiteral("+");
    case QuestionKind::Subtraction100:
    case QuestionKind::Subtraction1000:
        return QStringLiteral("-");
    }
    return QString();
}

namespace {

struct Pair {
    int a;
    int b;
};

// Draws a, then b, below n until the pair passes.
template <class Accept> Pair drawPair(RandomSource &random, int n, Accept accept)
{
    for (;;) {
        const int a = randBelow(random, n);
        const int b = randBelow(random, n);
        if (accept(a, b))
            return {a, b};
    }
}

} // namespace

Question drawQuestionOfKind(QuestionKind kind, RandomSource &random)
{
    Question q;
    q.kind = kind;
    q.op = operatorText(kind);
    switch (kind) {
    case QuestionKind::Multiplication: {
        const auto [a, b] = drawPair(random, 10, [](int a, int b) { return a != 0 && b != 0; });
        q.first = a;
        q.second = b;
        q.answer = a * b;
        break;
    }
    case QuestionKind::Division: {
        // The quotient and the divisor are drawn; their product is shown as the dividend.
        const auto [a, b] = drawPair(random, 10, [](int a, int b) { return a != 0 && b != 0; });
        q.first = a * b;
        q.second = b;
        q.answer = a;
        break;
    }
    case QuestionKind::Addition100: {
        const auto [a, b]
            = drawPair(random, 100, [](int a, int b) { return a + b <= 100 && a >= 10 && b >= 10; });
        q.first = a;
        q.second = b;
        q.answer = a + b;
        break;
    }
    case QuestionKind::Subtraction100: {
        const auto [a, b] = drawPair(random, 100, [](int a, int b) { return a >= b && a >= 10 && b >= 10; });
        q.first = a;
        q.second = b;
        q.answer = a - b;
        break;
    }
    case QuestionKind::Addition1000: {
        const auto [a, b] = drawPair(random, 1000, [](int a, int b) { return a + b <= 1000; });
        q.first = a;
        q.second = b;
        q.answer = a + b;
        break;
    }
    case QuestionKind::Subtraction1000: {
        const auto [a, b] = drawPair(random, 1000, [](int a, int b) { return a >= b && b >= 50; });
        q.first = a;
        q.second = b;
        q.answer = a - b;
        break;
    }
    }
    return q;
}

Question DrawQuestion(Kind drill, RandomSource &random)
{
    random.reseed();
    QuestionKind kind = QuestionKind::Multiplication;
    switch (drill) {
    case Kind::TimesTable:
        kind = coin(random) == 0 ? QuestionKind::Multiplication : QuestionKind::Division;
        break;
    case Kind::AddSubWithin100:
        kind = coin(random) == 0 ? QuestionKind::Addition100 : QuestionKind::Subtraction100;
        break;
    case Kind::AddSubWithin1000:
        kind = coin(random) == 0 ? QuestionKind::Addition1000 : QuestionKind::Subtraction1000;
        break;
    case Kind::Mixed:
        if (coin(random) == 0)
            kind = coin(random) == 0 ? QuestionKind::Addition100 : QuestionKind::Subtraction100;
        else
            kind = coin(random) == 0 ? QuestionKind::Multiplication : QuestionKind::Division;
        break;
    }
    return drawQuestionOfKind(kind, random);
}

} // namespace drill
