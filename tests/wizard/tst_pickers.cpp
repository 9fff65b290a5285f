#include "tests/wizard/WizardFixture.h"

#include "wizard/styles/StylePickers.h"

#include <QApplication>

// The fifteen pickers of the style pages and the shared common dialog behind them.
class TestPickers : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void colourPickers_data();
    void colourPickers();
    void colourDialogStartsAtTheStoredColour_data();
    void colourDialogStartsAtTheStoredColour();
    void systemColourIsReportedForEachPart();
    void fontPickers_data();
    void fontPickers();
    void fontTextThatCannotPreset();
    void filePickers_data();
    void filePickers();
    void cancelChangesNothing_data();
    void cancelChangesNothing();
    void dialogKeepsSettingsBetweenUses();
    void filterForFileDialog();

private:
    std::unique_ptr<WizardFixture> f;
};

void TestPickers::init()
{
    f = std::make_unique<WizardFixture>();
    f->walkToFonts(QStringLiteral("Summer CD"));
    f->click(QStringLiteral("cmdBack"));
    QCOMPARE(f->step(), 2);
}

void TestPickers::cleanup()
{
    f.reset();
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
}

void TestPickers::colourPickers_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("swatch");
    QTest::addColumn<int>("page");
    QTest::newRow("title") << "cmdTColor" << "txtTitleColor" << "colTitle" << 3;
    QTest::newRow("buttons") << "cmdBColor" << "txtBColor" << "colButton" << 3;
    QTest::newRow("text") << "cmdDColor" << "txtDColor" << "colText" << 3;
    QTest::newRow("hyperlinks") << "cmdHColor" << "txtHColor" << "colHyper" << 3;
    QTest::newRow("active hyperlinks") << "cmdHColorActive" << "txtHColorActive" << "colHyperA" << 3;
    QTest::newRow("background") << "cmdPickColor" << "txtBackgroundColor" << "colBack" << 2;
}

void TestPickers::colourPickers()
{
    QFETCH(QString, button);
    QFETCH(QString, box);
    QFETCH(QString, swatch);
    QFETCH(int, page);
    if (page == 3)
        f->click(QStringLiteral("cmdNext"));
    f->edit(box)->setText(QStringLiteral("RGB(192,192,192)"));
    f->cdlg.confirmColor(0x0000FF);
    f->click(button);
    QCOMPARE(f->cdlg.shown().size(), 1);
    const FakeCommonDialog::Shown shown = f->cdlg.shown().constFirst();
    QCOMPARE(shown.kind, FakeCommonDialog::Kind::Color);
    QCOMPARE(shown.flags, 1);
    QCOMPARE(shown.color, 12632256);
    QCOMPARE(f->edit(box)->text(), QStringLiteral("RGB(255,0,0)"));
    QCOMPARE(f->window->findChild<Swatch *>(swatch)->color(), 0x0000FF);
}

void TestPickers::colourDialogStartsAtTheStoredColour_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint32>("preset");
    QTest::addColumn<QString>("written");
    QTest::newRow("the default background") << "16777215 " << 0xFFFFFF << "RGB(255,255,255)";
    QTest::newRow("hex") << "#ff0000" << 0x0000FF << "RGB(255,0,0)";
    QTest::newRow("name") << "navy" << 0x800000 << "RGB(0,0,128)";
    QTest::newRow("no colour: black") << "not a colour" << 0 << "RGB(0,0,0)";
}

void TestPickers::colourDialogStartsAtTheStoredColour()
{
    QFETCH(QString, text);
    QFETCH(qint32, preset);
    QFETCH(QString, written);
    f->edit(QStringLiteral("txtBackgroundColor"))->setText(text);
    f->cdlg.confirmAsShown();
    f->click(QStringLiteral("cmdPickColor"));
    QCOMPARE(f->cdlg.shown().constFirst().color, preset);
    QCOMPARE(f->edit(QStringLiteral("txtBackgroundColor"))->text(), written);
    QVERIFY(f->notices.shown().isEmpty());
}

void TestPickers::systemColourIsReportedForEachPart()
{
    f->cdlg.confirmColor(-2147483633);
    f->click(QStringLiteral("cmdPickColor"));
    QCOMPARE(f->notices.texts(), QStringList(3, QStringLiteral("-2147483633 ist eine Systemfarbe")));
    QCOMPARE(f->notices.shown().constFirst().kind, FakeNotices::Kind::PlainTitled);
    QCOMPARE(f->edit(QStringLiteral("txtBackgroundColor"))->text(), QStringLiteral("RGB(-1,-1,-1)"));
}

void TestPickers::fontPickers_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("presetName");
    QTest::addColumn<float>("presetSize");
    QTest::addColumn<bool>("presetBold");
    QTest::addColumn<QString>("written");
    QTest::newRow("title, lower-case bold") << "cmdTFont" << "txtTitleFont" << "Arial;14pt;bold" << "Arial" << 14.0f
                                           << true << "Arial;14pt;Bold";
    QTest::newRow("buttons, picker's own form") << "cmdBFont" << "txtButtonFont" << "Arial;10pt;Bold" << "Arial"
                                                << 10.0f << true << "Arial;10pt;Bold";
    QTest::newRow("text, normal") << "cmdDFont" << "txtDFont" << "Verdana;9pt;normal" << "Verdana" << 9.0f << false
                                  << "Verdana;9pt;Normal";
    QTest::newRow("hyperlinks, weight in capitals") << "cmdHFont" << "txtHFont" << "Tahoma;12pt;BOLD" << "Tahoma"
                                                    << 12.0f << true << "Tahoma;12pt;Bold";
}

void TestPickers::fontPickers()
{
    QFETCH(QString, button);
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, presetName);
    QFETCH(float, presetSize);
    QFETCH(bool, presetBold);
    QFETCH(QString, written);

    f->click(QStringLiteral("cmdNext"));
    f->edit(box)->setText(text);
    f->cdlg.confirmAsShown();
    f->click(button);
    QCOMPARE(f->cdlg.shown().size(), 1);
    const FakeCommonDialog::Shown shown = f->cdlg.shown().constFirst();
    QCOMPARE(shown.kind, FakeCommonDialog::Kind::Font);
    QCOMPARE(shown.flags, 3);
    QCOMPARE(shown.fontName, presetName);
    QCOMPARE(shown.fontSize, presetSize);
    QCOMPARE(shown.fontBold, presetBold);
    QCOMPARE(f->edit(box)->text(), written);

    f->cdlg.confirmFont(QStringLiteral("Georgia"), 11.5f, false);
    f->click(button);
    QCOMPARE(f->edit(box)->text(), QStringLiteral("Georgia;11.5pt;Normal"));
}

void TestPickers::fontTextThatCannotPreset()
{
    f->click(QStringLiteral("cmdNext"));
    f->edit(QStringLiteral("txtTitleFont"))->setText(QStringLiteral("Arial;14pt;bold"));
    f->cdlg.confirmAsShown();
    f->click(QStringLiteral("cmdTFont"));
    // Too few fields: the dialog opens with its previous settings, and a confirmed choice replaces the text.
    f->edit(QStringLiteral("txtDFont"))->setText(QStringLiteral("Arial,10pt,normal"));
    f->cdlg.confirmAsShown();
    f->click(QStringLiteral("cmdDFont"));
    QCOMPARE(f->cdlg.shown().size(), 2);
    QCOMPARE(f->cdlg.shown().at(1).fontName, QStringLiteral("Arial"));
    QCOMPARE(f->cdlg.shown().at(1).fontSize, 14.0f);
    QCOMPARE(f->edit(QStringLiteral("txtDFont"))->text(), QStringLiteral("Arial;14pt;Bold"));
    QVERIFY(f->notices.shown().isEmpty());
}

void TestPickers::filePickers_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("filter");
    const QString pictures = QStringLiteral("Pictures (*.jpg;*.gif)|*.jpg;*.gif");
    QTest::newRow("background image") << "cmdBImage" << "txtBackImage" << "jpg" << pictures;
    QTest::newRow("logo") << "cmdLImage" << "txtLogoImage" << "jpg" << pictures;
    QTest::newRow("button on") << "cmdButtonOn" << "txtButtonOn" << "jpg" << pictures;
    QTest::newRow("button off") << "cmdButtonOff" << "txtButtonOff" << "jpg" << pictures;
    QTest::newRow("sound") << "cmdBSound" << "txtBSound" << "wav" << QStringLiteral("Sounds (*.wav;*.mp3)|*.wav;*.mp3");
}

void TestPickers::filePickers()
{
    QFETCH(QString, button);
    QFETCH(QString, box);
    QFETCH(QString, extension);
    QFETCH(QString, filter);
    const QString chosen = QStringLiteral("/media/intro.") + extension;
    f->cdlg.confirmFile(chosen);
    f->click(button);
    QCOMPARE(f->cdlg.shown().size(), 1);
    const FakeCommonDialog::Shown shown = f->cdlg.shown().constFirst();
    QCOMPARE(shown.kind, FakeCommonDialog::Kind::Open);
    QCOMPARE(shown.defaultExt, extension);
    QCOMPARE(shown.filter, filter);
    QCOMPARE(f->edit(box)->text(), chosen);
}

void TestPickers::cancelChangesNothing_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("page");
    QTest::newRow("colour") << "cmdTColor" << "txtTitleColor" << "not a colour" << 3;
    QTest::newRow("background colour") << "cmdPickColor" << "txtBackgroundColor" << "16777215 " << 2;
    QTest::newRow("font") << "cmdTFont" << "txtTitleFont" << "Arial;14pt;bold" << 3;
    QTest::newRow("file") << "cmdLImage" << "txtLogoImage" << "none" << 2;
}

void TestPickers::cancelChangesNothing()
{
    QFETCH(QString, button);
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(int, page);

    // An earlier file choice stays in the dialog; a cancel must not write it into another box.
    f->cdlg.confirmFile(f->makeFile(QStringLiteral("art/earlier.gif")));
    f->click(QStringLiteral("cmdBImage"));
    if (page == 3) {
        f->click(QStringLiteral("cmdNext"));
        QCOMPARE(f->step(), 3);
    }
    f->edit(box)->setText(text);
    const QList<Swatch *> swatches = f->window->findChildren<Swatch *>();
    QList<qint32> colours;
    for (Swatch *swatch : swatches)
        colours.append(swatch->color());

    f->cdlg.cancelNext();
    f->click(button);
    QCOMPARE(f->cdlg.shown().size(), 2);
    QCOMPARE(f->edit(box)->text(), text);
    for (int i = 0; i < swatches.size(); ++i)
        QCOMPARE(swatches.at(i)->color(), colours.at(i));
    QVERIFY(f->notices.shown().isEmpty());
}

void TestPickers::dialogKeepsSettingsBetweenUses()
{
    f->cdlg.confirmFile(QStringLiteral("/media/intro.wav"));
    f->click(QStringLiteral("cmdBSound"));
    f->cdlg.confirmFile(QStringLiteral("/media/logo.gif"));
    f->click(QStringLiteral("cmdLImage"));
    QCOMPARE(f->cdlg.shown().size(), 2);
    // One dialog serves every picker: the second opens on the first one's file name.
    QCOMPARE(f->cdlg.shown().at(1).fileName, QStringLiteral("/media/intro.wav"));
    QCOMPARE(f->cdlg.shown().at(1).filter, StylePickers::pictureFilter());
    QCOMPARE(f->cdlg.FileName, QStringLiteral("/media/logo.gif"));
}

void TestPickers::filterForFileDialog()
{
    QCOMPARE(CommonDialog::nameFilters(StylePickers::pictureFilter()),
             QStringList{QStringLiteral("Pictures (*.jpg *.gif)")});
    QCOMPARE(CommonDialog::nameFilters(QStringLiteral("All files (*.*)|*.*|Sounds|*.wav")),
             (QStringList{QStringLiteral("All files (*.*)"), QStringLiteral("Sounds (*.wav)")}));
    QVERIFY(CommonDialog::nameFilters(QString()).isEmpty());
}

QTEST_MAIN(TestPickers)
#include "tst_pickers.moc"
