#include "core/disc/WindowsNames.h"

#include <QtTest>

// Names Windows cannot open from a disc, whichever system made the disc.
class TestWindowsNames : public QObject
{
    Q_OBJECT

private slots:
    void problem_data();
    void problem();
};

void TestWindowsNames::problem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("why"); // empty: Windows opens it

    QTest::newRow("plain") << "Setup.exe" << "";
    QTest::newRow("device") << "CON" << "is the device name CON";
    QTest::newRow("device, any case, extension") << "nul.txt" << "is the device name NUL";
    QTest::newRow("device with blanks before the extension") << "prn  .log" << "is the device name PRN";
    QTest::newRow("device with two extensions") << "Aux.tar.gz" << "is the device name AUX";
    QTest::newRow("numbered port") << "com1" << "is the device name COM1";
    QTest::newRow("numbered printer") << "LPT9.doc" << "is the device name LPT9";
    QTest::newRow("port zero is a name") << "COM0" << "";
    QTest::newRow("port ten is a name") << "LPT10" << "";
    QTest::newRow("device name inside a word") << "CONFIG.SYS" << "";
    QTest::newRow("device name after other text") << "my CON.txt" << "";
    QTest::newRow("trailing dot") << "notes." << "ends in a dot";
    QTest::newRow("trailing blank") << "notes " << "ends in a blank";
    QTest::newRow("leading dot") << ".hidden" << "";
    QTest::newRow("less than") << "a<b" << "holds the character <";
    QTest::newRow("greater than") << "a>b" << "holds the character >";
    QTest::newRow("colon") << "c:d" << "holds the character :";
    QTest::newRow("quote") << "say \"hi\"" << "holds the character \"";
    QTest::newRow("pipe") << "a|b" << "holds the character |";
    QTest::newRow("question mark") << "why?" << "holds the character ?";
    QTest::newRow("star") << "*.txt" << "holds the character *";
    QTest::newRow("control character") << QString("tab\there") << "holds a control character";
    QTest::newRow("delete character") << QString("del\x7f") << "holds a control character";
    QTest::newRow("accents and other scripts") << QString::fromUtf8("Über Menü 日本.txt") << "";
}

void TestWindowsNames::problem()
{
    QFETCH(QString, name);
    QFETCH(QString, why);
    QCOMPARE(WindowsNames::check(name).error, why);
}

QTEST_GUILESS_MAIN(TestWindowsNames)
#include "tst_windowsnames.moc"
