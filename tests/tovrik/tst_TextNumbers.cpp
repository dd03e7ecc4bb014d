#include "tovrik/logic/TextNumbers.h"

#include <QtTest>

class tst_TextNumbers : public QObject
{
    Q_OBJECT

private slots:
    void textToNumber_data();
    void textToNumber();
};

void tst_TextNumbers::textToNumber_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("converts");
    QTest::addColumn<int>("value");

    const QString zh = QStringLiteral("zh_CN");
    QTest::newRow("plain") << zh << "20" << true << 20;
    QTest::newRow("blanks around") << zh << "  12 " << true << 12;
    QTest::newRow("full-width blank around") << zh << QStringLiteral("\u300012\u3000") << true << 12;
    QTest::newRow("plus sign") << zh << "+7" << true << 7;
    QTest::newRow("minus sign") << zh << "-3" << true << -3;
    QTest::newRow("zero") << zh << "0" << true << 0;
    QTest::newRow("2.5 to even 2") << zh << "2.5" << true << 2;
    QTest::newRow("3.5 to even 4") << zh << "3.5" << true << 4;
    QTest::newRow("12.5 to 12") << zh << "12.5" << true << 12;
    QTest::newRow("13.5 to 14") << zh << "13.5" << true << 14;
    QTest::newRow("2.51 up") << zh << "2.51" << true << 3;
    QTest::newRow("2.49 down") << zh << "2.49" << true << 2;
    QTest::newRow("-2.5 to even -2") << zh << "-2.5" << true << -2;
    QTest::newRow("-3.5 to even -4") << zh << "-3.5" << true << -4;
    QTest::newRow("grouping") << zh << "1,000" << true << 1000;
    QTest::newRow("full-width digits") << zh << QStringLiteral("１２") << true << 12;
    QTest::newRow("largest") << zh << "2147483647" << true << 2147483647;
    QTest::newRow("smallest") << zh << "-2147483648" << true << int(-2147483647 - 1);
    QTest::newRow("rounds into range") << zh << "2147483647.4" << true << 2147483647;
    QTest::newRow("rounds out of range") << zh << "2147483647.5" << false << 0;
    QTest::newRow("past the largest") << zh << "2147483648" << false << 0;
    QTest::newRow("past the smallest") << zh << "-2147483649" << false << 0;
    QTest::newRow("far too many digits") << zh << "99999999999999999999999" << false << 0;
    QTest::newRow("empty") << zh << "" << false << 0;
    QTest::newRow("blanks only") << zh << "   " << false << 0;
    QTest::newRow("letters") << zh << "abc" << false << 0;
    QTest::newRow("digits and a unit") << zh << QStringLiteral("5分") << false << 0;
    QTest::newRow("digits and letters") << zh << "12abc" << false << 0;
    QTest::newRow("a sum") << zh << "3+4" << false << 0;
    QTest::newRow("a blank inside") << zh << "1 2" << false << 0;
    QTest::newRow("infinity") << zh << "inf" << false << 0;
    QTest::newRow("not a number") << zh << "nan" << false << 0;
    QTest::newRow("a lone sign") << zh << "-" << false << 0;

    const QString de = QStringLiteral("de_DE");
    QTest::newRow("German decimal comma") << de << "2,5" << true << 2;
    QTest::newRow("German grouping") << de << "1.000" << true << 1000;
    QTest::newRow("German 3,5") << de << "3,5" << true << 4;
}

void tst_TextNumbers::textToNumber()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, converts);
    QFETCH(int, value);
    const std::optional<int> got = drill::textToNumber(text, QLocale(locale));
    QCOMPARE(got.has_value(), converts);
    if (converts)
        QCOMPARE(*got, value);
}

QTEST_GUILESS_MAIN(tst_TextNumbers)
#include "tst_TextNumbers.moc"
