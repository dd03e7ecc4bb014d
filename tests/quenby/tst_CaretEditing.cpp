#include "quenby/logic/CaretEditing.h"

#include <QtTest>

// The caret and text arithmetic behind the calculator's editing buttons and clipboard.
class tst_CaretEditing : public QObject
{
    Q_OBJECT

private slots:
    void restore_data();
    void restore();
    void insertAt_data();
    void insertAt();
    void backspace_data();
    void backspace();
    void steps_data();
    void steps();
    void cut_data();
    void cut();
    void crLfForm_data();
    void crLfForm();
    void caretAfterNormalising_data();
    void caretAfterNormalising();
};

// A high and a low surrogate: one character outside the Basic Multilingual Plane.
static const QString kPair = QString::fromUtf16(u"\U0001F600");

void tst_CaretEditing::restore_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caretPos");
    QTest::addColumn<int>("expected");

    QTest::newRow("inside") << "123" << 1 << 1;
    QTest::newRow("at end") << "123" << 3 << 3;
    QTest::newRow("beyond end") << "123" << 6 << 3;
    QTest::newRow("empty text") << "" << 6 << 0;
    QTest::newRow("negative") << "123" << -4 << 0;
    QTest::newRow("inside a surrogate pair") << ("1" + kPair + "2") << 2 << 1;
    QTest::newRow("beyond 16 bits") << QString(40000, u'1') << 39000 << 39000;
}

void tst_CaretEditing::restore()
{
    QFETCH(QString, text);
    QFETCH(int, caretPos);
    QFETCH(int, expected);
    QCOMPARE(caret::restore(text, caretPos), expected);
}

void tst_CaretEditing::insertAt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caretPos");
    QTest::addColumn<QString>("insert");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("newCaretPos");

    QTest::newRow("empty box") << "" << 0 << "7"
                               << "7" << 1;
    QTest::newRow("between digits") << "1+2" << 1 << "0"
                                    << "10+2" << 2;
    QTest::newRow("function at end") << "1+" << 2 << "sin()"
                                     << "1+sin()" << 7;
    // After the boxes were cleared the kept position may stand beyond the end.
    QTest::newRow("kept position beyond end") << "" << 6 << "5"
                                              << "5" << 1;
    QTest::newRow("after a line break") << "1\n2" << 2 << "+"
                                        << "1\n+2" << 3;
    QTest::newRow("empty insertion moves only the caret") << "123" << 9 << ""
                                                          << "123" << 3;
    QTest::newRow("beyond 16 bits") << QString(40000, u'1') << 40000 << "+" << (QString(40000, u'1') + "+")
                                    << 40001;
}

void tst_CaretEditing::insertAt()
{
    QFETCH(QString, text);
    QFETCH(int, caretPos);
    QFETCH(QString, insert);
    QFETCH(QString, result);
    QFETCH(int, newCaretPos);

    const caret::Edit edit = caret::insertAt(text, caretPos, insert);
    QCOMPARE(caret::apply(text, edit), result);
    QCOMPARE(edit.caretPos, newCaretPos);
}

void tst_CaretEditing::backspace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caretPos");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("newCaretPos");

    QTest::newRow("middle") << "123" << 2 << "13" << 1;
    QTest::newRow("end") << "123" << 3 << "12" << 2;
    QTest::newRow("at start nothing") << "123" << 0 << "123" << 0;
    // Nothing happens on an empty box, and the kept position keeps its value.
    QTest::newRow("cleared box keeps position") << "" << 6 << "" << 6;
    QTest::newRow("kept position beyond end") << "123" << 9 << "12" << 2;
    QTest::newRow("line break goes whole") << "1\n2" << 2 << "12" << 1;
    QTest::newRow("surrogate pair goes whole") << ("1" + kPair) << 3 << "1" << 1;
}

void tst_CaretEditing::backspace()
{
    QFETCH(QString, text);
    QFETCH(int, caretPos);
    QFETCH(QString, result);
    QFETCH(int, newCaretPos);

    const caret::Edit edit = caret::backspace(text, caretPos);
    QCOMPARE(caret::apply(text, edit), result);
    QCOMPARE(edit.caretPos, newCaretPos);
    QCOMPARE(edit.changesText(), result != text);
}

void tst_CaretEditing::steps_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caretPos");
    QTest::addColumn<int>("afterLeft");
    QTest::addColumn<int>("afterRight");

    QTest::newRow("middle") << "sin()" << 4 << 3 << 5;
    QTest::newRow("start") << "123" << 0 << 0 << 1;
    QTest::newRow("end") << "123" << 3 << 2 << 3;
    QTest::newRow("beyond end") << "123" << 7 << 2 << 3;
    QTest::newRow("empty") << "" << 5 << 0 << 0;
    QTest::newRow("over a surrogate pair") << ("1" + kPair + "2") << 1 << 0 << 3;
    QTest::newRow("back over a surrogate pair") << ("1" + kPair + "2") << 3 << 1 << 4;
}

void tst_CaretEditing::steps()
{
    QFETCH(QString, text);
    QFETCH(int, caretPos);
    QFETCH(int, afterLeft);
    QFETCH(int, afterRight);

    QCOMPARE(caret::left(text, caretPos), afterLeft);
    QCOMPARE(caret::right(text, caretPos), afterRight);
}

void tst_CaretEditing::cut_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("newCaretPos");

    QTest::newRow("forward selection") << "12+34" << 2 << 4 << "124" << 2;
    QTest::newRow("backward selection") << "12+34" << 4 << 2 << "124" << 2;
    QTest::newRow("no selection") << "12+34" << 3 << 3 << "12+34" << 3;
    QTest::newRow("everything") << "1\n2" << 0 << 3 << "" << 0;
}

void tst_CaretEditing::cut()
{
    QFETCH(QString, text);
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(QString, result);
    QFETCH(int, newCaretPos);

    const caret::Edit edit = caret::cut(text, anchor, position);
    QCOMPARE(caret::apply(text, edit), result);
    QCOMPARE(edit.caretPos, newCaretPos);
}

void tst_CaretEditing::crLfForm_data()
{
    QTest::addColumn<QString>("boxText");
    QTest::addColumn<QString>("crLf");
    QTest::addColumn<QString>("panel");

    QTest::newRow("empty") << ""
                           << ""
                           << "字符总数： 0";
    QTest::newRow("one line") << "3+(-2)*9"
                              << "3+(-2)*9"
                              << "字符总数： 8";
    QTest::newRow("line breaks count two") << "ab\ncd\n"
                                           << "ab\r\ncd\r\n"
                                           << "字符总数： 8";
    QTest::newRow("only a line break") << "\n"
                                       << "\r\n"
                                       << "字符总数： 2";
}

void tst_CaretEditing::crLfForm()
{
    QFETCH(QString, boxText);
    QFETCH(QString, crLf);
    QFETCH(QString, panel);

    QCOMPARE(caret::toCrLf(boxText), crLf);
    QCOMPARE(caret::crLfLength(boxText), crLf.size());
    QCOMPARE(caret::countPanelText(boxText), panel);
}

void tst_CaretEditing::caretAfterNormalising_data()
{
    QTest::addColumn<QString>("boxText");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("expected");

    QTest::newRow("blanks before the caret") << "1 + 2 " << 6 << 3;
    QTest::newRow("caret after a blank") << "1 + 2" << 2 << 1;
    QTest::newRow("caret before a blank") << "1 + 2" << 3 << 2;
    QTest::newRow("line break before the caret") << "1+\n2" << 3 << 2;
    QTest::newRow("at start") << " 1" << 0 << 0;
    QTest::newRow("nothing dropped") << "12+3" << 2 << 2;
    QTest::newRow("beyond the end") << "1 2" << 9 << 2;
}

void tst_CaretEditing::caretAfterNormalising()
{
    QFETCH(QString, boxText);
    QFETCH(int, caret);
    QFETCH(int, expected);
    QCOMPARE(caret::caretAfterNormalising(boxText, caret), expected);
}

QTEST_GUILESS_MAIN(tst_CaretEditing)
#include "tst_CaretEditing.moc"
