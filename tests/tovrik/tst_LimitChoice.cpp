#include "tovrik/logic/LimitChoice.h"

#include <QtTest>

using drill::TrainingForm;

Q_DECLARE_METATYPE(TrainingForm)

namespace {

// The rows on show, a letter each: M minutes, m their unit, Q questions, q their unit, - hidden.
QString rowsText(const drill::ShownRows &rows)
{
    return QString() + (rows.minutes ? 'M' : '-') + (rows.minutesUnit ? 'm' : '-')
        + (rows.questions ? 'Q' : '-') + (rows.questionsUnit ? 'q' : '-');
}

} // namespace

class tst_LimitChoice : public QObject
{
    Q_OBJECT

private slots:
    // The typed numbers ("2.5") are written for a point as the decimal separator.
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void steps_data();
    void steps();
};

void tst_LimitChoice::steps_data()
{
    // Steps: "t:<typed>" the time form with its entry, "c:<typed>" the question form with its
    // entry, "open" a drill button, "back" the return to the menu. Each step's outcome: "yes" or
    // "no" for an entry or a drill button (a drill opened shows its limits, "5/20"), "-" for a
    // return.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("outcomes");
    QTest::addColumn<TrainingForm>("form");
    QTest::addColumn<int>("minutes"); // the limits shown afterwards
    QTest::addColumn<int>("questions");
    QTest::addColumn<QString>("rows");

    const auto None = TrainingForm::None;
    const auto ByTime = TrainingForm::ByTime;
    const auto ByCount = TrainingForm::ByCount;
    // clang-format off
    QTest::newRow("nothing chosen yet") << QStringList {} << QStringList {} << None << 0 << 0 << "M-Q-";
    QTest::newRow("5 minutes") << QStringList {"t:5"} << QStringList {"yes"} << ByTime << 5 << 0 << "Mm--";
    QTest::newRow("2.5 minutes keep 2") << QStringList {"t:2.5"} << QStringList {"yes"} << ByTime << 2 << 0 << "Mm--";
    QTest::newRow("0 minutes refused, rows as they were") << QStringList {"t:0"} << QStringList {"no"} << None << 0 << 0 << "M-Q-";
    QTest::newRow("minutes cancelled with none kept") << QStringList {"t:"} << QStringList {"no"} << None << 0 << 0 << "M-Q-";
    QTest::newRow("20 questions") << QStringList {"c:20"} << QStringList {"yes"} << ByCount << 0 << 20 << "--Qq";
    QTest::newRow("questions refused, their row on show") << QStringList {"c:abc"} << QStringList {"no"} << None << 0 << 0 << "--Qq";
    QTest::newRow("questions beyond 32 bits refused") << QStringList {"c:3000000000"} << QStringList {"no"} << None << 0 << 0 << "--Qq";
    QTest::newRow("a Cancel keeps the minutes before") << QStringList {"t:5", "t:"} << QStringList {"yes", "yes"} << ByTime << 5 << 0 << "Mm--";
    QTest::newRow("asked again, the new minutes") << QStringList {"t:5", "t:7"} << QStringList {"yes", "yes"} << ByTime << 7 << 0 << "Mm--";
    QTest::newRow("a refused entry leaves the shown minutes") << QStringList {"t:5", "t:-1"} << QStringList {"yes", "no"} << None << 5 << 0 << "Mm--";
    QTest::newRow("the other form's limit stays") << QStringList {"t:5", "c:20"} << QStringList {"yes", "yes"} << ByCount << 5 << 20 << "--Qq";
    QTest::newRow("open by time") << QStringList {"t:5", "open"} << QStringList {"yes", "5/0"} << ByTime << 5 << 0 << "Mm--";
    QTest::newRow("open by count") << QStringList {"c:20", "open"} << QStringList {"yes", "0/20"} << ByCount << 0 << 20 << "--Qq";
    QTest::newRow("open with nothing picked") << QStringList {"open"} << QStringList {"no"} << None << 0 << 0 << "M-Q-";
    QTest::newRow("open after the question form was refused") << QStringList {"t:5", "c:0", "open"} << QStringList {"yes", "no", "no"} << None << 5 << 0 << "--Qq";
    QTest::newRow("open after a refused entry replaced the minutes") << QStringList {"t:5", "c:20", "t:-1", "open"} << QStringList {"yes", "yes", "no", "no"} << None << 5 << 20 << "--Qq";
    QTest::newRow("open with both limits") << QStringList {"t:5", "c:20", "c:", "t:", "open"} << QStringList {"yes", "yes", "yes", "yes", "5/20"} << ByTime << 5 << 20 << "Mm--";
    QTest::newRow("back: no form, no limits, the rows stay") << QStringList {"c:20", "open", "back"} << QStringList {"yes", "0/20", "-"} << None << 0 << 0 << "--Qq";
    QTest::newRow("after a drill a Cancel is refused") << QStringList {"t:5", "open", "back", "t:"} << QStringList {"yes", "5/0", "-", "no"} << None << 0 << 0 << "Mm--";
    QTest::newRow("after a drill the other form's number is gone") << QStringList {"t:5", "c:20", "t:", "open", "back", "t:3", "c:", "open"} << QStringList {"yes", "yes", "yes", "5/20", "-", "yes", "no", "no"} << None << 3 << 0 << "--Qq";
    // clang-format on
}

void tst_LimitChoice::steps()
{
    QFETCH(QStringList, steps);
    drill::LimitChoice choice;
    QStringList outcomes;
    for (const QString &step : steps) {
        if (step == QLatin1String("open")) {
            const std::optional<drill::Limits> opened = choice.open();
            outcomes << (opened ? QStringLiteral("%1/%2").arg(opened->minutes).arg(opened->questions)
                                : QStringLiteral("no"));
        } else if (step == QLatin1String("back")) {
            choice.returnToMenu();
            outcomes << QStringLiteral("-");
        } else {
            const QString typed = step.mid(2);
            const bool accepted = step.startsWith('t') ? choice.chooseTime(typed) : choice.chooseCount(typed);
            outcomes << (accepted ? QStringLiteral("yes") : QStringLiteral("no"));
        }
    }
    QTEST(outcomes, "outcomes");
    QTEST(choice.form(), "form");
    QTEST(choice.limits().minutes, "minutes");
    QTEST(choice.limits().questions, "questions");
    QTEST(rowsText(choice.rows()), "rows");
}

QTEST_GUILESS_MAIN(tst_LimitChoice)
#include "tst_LimitChoice.moc"
