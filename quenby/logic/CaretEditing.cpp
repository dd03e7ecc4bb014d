#include "quenby/logic/CaretEditing.h"

#include "quenby/engine/ExpressionChecker.h"
#include "quenby/logic/EngineText.h"

#include <algorithm>
#include <string_view>

namespace caret {

namespace {

int length(QStringView text)
{
    return static_cast<int>(text.size());
}

// True when position p of the text lies between the two halves of a surrogate pair.
bool splitsPair(QStringView text, int p)
{
    return p > 0 && p < length(text) && text[p - 1].isHighSurrogate() && text[p].isLowSurrogate();
}

// The width of the character that ends at p (1, or 2 for a surrogate pair).
int widthBefore(QStringView text, int p)
{
    return (p >= 2 && text[p - 1].isLowSurrogate() && text[p - 2].isHighSurrogate()) ? 2 : 1;
}

// The width of the character that starts at p.
int widthAfter(QStringView text, int p)
{
    return (p + 1 < length(text) && text[p].isHighSurrogate() && text[p + 1].isLowSurrogate()) ? 2 : 1;
}

} // namespace

int restore(QStringView text, int caretPos)
{
    int p = std::clamp(caretPos, 0, length(text));
    if (splitsPair(text, p))
        --p;
    return p;
}

Edit insertAt(QStringView text, int caretPos, const QString &insert)
{
    const int s = restore(text, caretPos);
    return Edit {s, s, insert, s + static_cast<int>(insert.size())};
}

Edit backspace(QStringView text, int caretPos)
{
    const int s = restore(text, caretPos);
    if (s == 0)
        return Edit {0, 0, QString(), caretPos};
    const int from = s - widthBefore(text, s);
    return Edit {from, s, QString(), from};
}

int left(QStringView text, int caretPos)
{
    const int p = restore(text, caretPos);
    return p > 0 ? p - widthBefore(text, p) : p;
}

int right(QStringView text, int caretPos)
{
    const int p = restore(text, caretPos);
    return p < length(text) ? p + widthAfter(text, p) : p;
}

Edit cut(QStringView text, int anchor, int position)
{
    const int from = std::clamp(std::min(anchor, position), 0, length(text));
    const int to = std::clamp(std::max(anchor, position), 0, length(text));
    return Edit {from, to, QString(), from};
}

QString apply(QStringView text, const Edit &edit)
{
    const int from = std::clamp(edit.from, 0, length(text));
    const int to = std::clamp(edit.to, from, length(text));
    QString result;
    result.reserve(from + edit.insert.size() + (length(text) - to));
    result.append(text.left(from));
    result.append(edit.insert);
    result.append(text.mid(to));
    return result;
}

QString toCrLf(QStringView boxText)
{
    QString text = boxText.toString();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

int crLfLength(QStringView boxText)
{
    return length(boxText) + static_cast<int>(boxText.count(QLatin1Char('\n')));
}

int caretAfterNormalising(QStringView boxText, int caret)
{
    const QString prefix = toCrLf(boxText.left(std::clamp(caret, 0, length(boxText))));
    engine::CharList list;
    const std::u16string normalised = engine::NormaliseExpression(engineText::view(prefix), list);
    return static_cast<int>(normalised.size());
}

QString countPanelText(QStringView boxText)
{
    return QStringLiteral("字符总数：") + engineText::numberText(static_cast<double>(crLfLength(boxText)));
}

} // namespace caret
