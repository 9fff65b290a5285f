#include "core/model/FontText.h"

#include <QtTest>

class TestFontText : public QObject
{
    Q_OBJECT

private slots:
    void split_data();
    void split();
    void pointSize_data();
    void pointSize();
    void boldInAnyCase_data();
    void boldInAnyCase();
    void compose_data();
    void compose();
};

void TestFontText::split_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("default") << "Arial;14pt;bold" << true << QStringList{"Arial", "14pt", "bold"};
    QTest::newRow("picker") << "Times New Roman;10,5pt;Normal" << true
                            << QStringList{"Times New Roman", "10,5pt", "Normal"};
    QTest::newRow("extra field ignored") << "Arial;9pt;bold;x" << true << QStringList{"Arial", "9pt", "bold"};
    QTest::newRow("placeholder with commas") << "Arial,14pt,bold" << false << QStringList{};
    QTest::newRow("two fields") << "Arial;14pt" << false << QStringList{};
    QTest::newRow("empty") << "" << false << QStringList{};
}

void TestFontText::split()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QStringList, fields);
    const std::optional<FontText::Fields> split = FontText::split(text);
    QCOMPARE(split.has_value(), valid);
    if (valid)
        QCOMPARE((QStringList{split->family, split->size, split->weight}), fields);
}

void TestFontText::pointSize_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("size"); // -1: not a size

    QTest::newRow("14pt") << "14pt" << "en_US" << 14;
    QTest::newRow("10.5pt rounds to even") << "10.5pt" << "en_US" << 10;
    QTest::newRow("11.5pt rounds to even") << "11.5pt" << "en_US" << 12;
    QTest::newRow("comma locale") << "10,6pt" << "de_DE" << 11;
    QTest::newRow("no number") << "pt" << "en_US" << -1;
    QTest::newRow("letters") << "bigpt" << "en_US" << -1;
}

void TestFontText::pointSize()
{
    QFETCH(QString, field);
    QFETCH(QString, locale);
    QFETCH(int, size);
    const std::optional<qint16> points = FontText::pointSize(field, QLocale(locale));
    QCOMPARE(points.has_value(), size >= 0);
    if (points)
        QCOMPARE(int(*points), size);
}

void TestFontText::boldInAnyCase_data()
{
    QTest::addColumn<QString>("weight");
    QTest::addColumn<bool>("bold");
    QTest::newRow("bold") << "bold" << true;
    QTest::newRow("Bold") << "Bold" << true;
    QTest::newRow("BOLD") << "BOLD" << true;
    QTest::newRow("normal") << "normal" << false;
    QTest::newRow("bolder") << "bolder" << false;
}

void TestFontText::boldInAnyCase()
{
    QFETCH(QString, weight);
    QFETCH(bool, bold);
    QCOMPARE(FontText::isBold(weight), bold);
}

void TestFontText::compose_data()
{
    QTest::addColumn<float>("size");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole, bold") << 12.0f << true << "en_US" << "Arial;12pt;Bold";
    QTest::newRow("half, normal") << 10.5f << false << "en_US" << "Arial;10.5pt;Normal";
    QTest::newRow("comma locale") << 10.5f << false << "de_DE" << "Arial;10,5pt;Normal";
    QTest::newRow("shortest single precision") << 10.1f << false << "en_US" << "Arial;10.1pt;Normal";
}

void TestFontText::compose()
{
    QFETCH(float, size);
    QFETCH(bool, bold);
    QFETCH(QString, locale);
    QFETCH(QString, text);
    const QString composed = FontText::compose(QStringLiteral("Arial"), size, bold, QLocale(locale));
    QCOMPARE(composed, text);
    const std::optional<FontText::Fields> fields = FontText::split(composed);
    QVERIFY(fields);
    QCOMPARE(FontText::isBold(fields->weight), bold);
}

QTEST_GUILESS_MAIN(TestFontText)
#include "tst_fonttext.moc"
