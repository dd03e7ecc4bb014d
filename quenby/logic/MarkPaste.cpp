#include "quenby/logic/MarkPaste.h"

#include "quenby/logic/ScoreStatistics.h"

#include <QRegularExpression>

namespace stats {

PastedMarks readPastedMarks(const QString &text)
{
    static const QRegularExpression separators(QStringLiteral("\\r\\n|[\\r\\n\\t]"));
    QStringList cells;
    for (const QString &cell : text.split(separators)) {
        const QString trimmed = cell.trimmed();
        if (!trimmed.isEmpty())
            cells << trimmed;
    }
    PastedMarks pasted;
    if (cells.size() < 2) {
        pasted.single = cells.isEmpty() ? QString() : cells.front();
        return pasted;
    }
    pasted.severalEntries = true;
    QStringList refused;
    for (const QString &cell : cells)
        (IsAcceptableMark(cell) ? pasted.accepted : refused) << cell;
    pasted.refused = refused.join(QLatin1Char(' '));
    return pasted;
}

} // namespace stats
