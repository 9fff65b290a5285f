#include "tests/wizard/WizardFixture.h"

#include <QApplication>

// The style on the style pages: the list, defaults, loading, the image-page checks and saving.
class TestStyles : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void listAndLoadStoredStyle();
    void newStyleKeepsNameAndBackground();
    void vanishedStyleLoadsDefaults();
    void invalidStyleTextStays();
    void imagePageChecks_data();
    void imagePageChecks();
    void saveNewStyleWithLogo();
    void storedStyleUpdatedOnce();
    void apostrophesStoredIntact();
    void failedCopyChangesNothing();
    void collidingMediaChangeNothing();
    void badFontTextChangesNothing();
    void eachPageKeepsItsEditsAcrossBack();
    void styleNameCannotLeaveLibrary();
};

void TestStyles::cleanup()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY2(!widget->isVisible(), qPrintable(widget->objectName()));
}

void TestStyles::listAndLoadStoredStyle()
{
    WizardFixture f;
    f.storeStyle(12, QStringLiteral("A: B"));
    f.execute(
        QStringLiteral("UPDATE tblStyles SET TitleColor='RGB(255,0,0)', BackColor='RGB(0,0,255)' WHERE StyleID=12"));
    f.click(QStringLiteral("cmdNew"));
    QComboBox *styles = f.combo(QStringLiteral("cmbStyles"));
    QCOMPARE(styles->count(), 2);
    QCOMPARE(styles->itemText(0), QStringLiteral("NEW"));
    QCOMPARE(styles->itemText(1), QStringLiteral("12: A: B"));
    QCOMPARE(styles->currentText(), QStringLiteral("NEW"));

    const qint32 background = f.window->findChild<Swatch *>(QStringLiteral("colBack"))->color();
    styles->setCurrentIndex(1);
    f.edit(QStringLiteral("txtTitle"))->setText(QStringLiteral("Summer CD"));
    f.chooseRoot(f.cdRoot);
    f.click(QStringLiteral("cmdNext"));
    QCOMPARE(f.step(), 2);
    QCOMPARE(f.window->state().styleId, 12);
    QVERIFY(f.window->state().styleLoaded);
    QCOMPARE(f.edit(QStringLiteral("txtStyleName"))->text(), QStringLiteral("A: B"));
    QCOMPARE(f.edit(QStringLiteral("txtTitleColor"))->text(), QStringLiteral("RGB(255,0,0)"));
    QCOMPARE(f.window->findChild<Swatch *>(QStringLiteral("colTitle"))->color(), 0x0000FF);
    // The background swatch is not painted when a style is loaded.
    QCOMPARE(f.edit(QStringLiteral("txtBackgroundColor"))->text(), QStringLiteral("RGB(0,0,255)"));
    QCOMPARE(f.window->findChild<Swatch *>(QStringLiteral("colBack"))->color(), background);
}

void TestStyles::newStyleKeepsNameAndBackground()
{
    WizardFixture f;
    f.storeStyle(3, QStringLiteral("Ocean"));
    f.click(QStringLiteral("cmdNew"));
    f.combo(QStringLiteral("cmbStyles"))->setCurrentIndex(1);
    f.edit(QStringLiteral("txtTitle"))->setText(QStringLiteral("Summer CD"));
    f.chooseRoot(f.cdRoot);
    f.click(QStringLiteral("cmdNext"));
    f.edit(QStringLiteral("txtTop"))->setText(QStringLiteral("40"));
    f.window->findChild<Swatch *>(QStringLiteral("colBack"))->setColor(0x123456);
    f.click(QStringLiteral("cmdBack"));
    f.combo(QStringLiteral("cmbStyles"))->setCurrentIndex(0);
    f.click(QStringLiteral("cmdNext"));

    QCOMPARE(f.window->state().styleId, 0);
    QCOMPARE(f.edit(QStringLiteral("txtStyleName"))->text(), QStringLiteral("Ocean"));
    QCOMPARE(f.window->findChild<Swatch *>(QStringLiteral("colBack"))->color(), 0x123456);
    QCOMPARE(f.styleValues().mid(1), StyleFields::standard().values().mid(1));
    QCOMPARE(f.window->findChild<Swatch *>(QStringLiteral("colHyperA"))->color(), 16764689);
    QCOMPARE(f.window->findChild<Swatch *>(QStringLiteral("colText"))->color(), 12632256);
}

void TestStyles::vanishedStyleLoadsDefaults()
{
    WizardFixture f;
    f.storeStyle(3, QStringLiteral("Ocean"));
    f.click(QStringLiteral("cmdNew"));
    f.combo(QStringLiteral("cmbStyles"))->setCurrentIndex(1);
    f.execute(QStringLiteral("DELETE FROM tblStyles"));
    f.edit(QStringLiteral("txtTitle"))->setText(QStringLiteral("Summer CD"));
    f.chooseRoot(f.cdRoot);
    f.click(QStringLiteral("cmdNext"));
    QCOMPARE(f.step(), 2);
    QCOMPARE(f.window->state().styleId, 0);
    QVERIFY(f.window->state().styleMissing);
    QCOMPARE(f.edit(QStringLiteral("txtTitleFont"))->text(), QStringLiteral("Arial;14pt;bold"));

    // Saved, it is stored as a new style rather than failing on the missing row.
    f.edit(QStringLiteral("txtStyleName"))->setText(QStringLiteral("Ocean"));
    f.click(QStringLiteral("cmdNext"));
    f.click(QStringLiteral("cmdNext"));
    QCOMPARE(f.step(), 4);
    QCOMPARE(f.scalar(QStringLiteral("SELECT count(*) FROM tblStyles")).toInt(), 1);
    QVERIFY(f.notices.shown().isEmpty());
}

void TestStyles::invalidStyleTextStays()
{
    WizardFixture f;
    f.click(QStringLiteral("cmdNew"));
    f.combo(QStringLiteral("cmbStyles"))->setEditText(QStringLiteral("Ocean"));
    f.edit(QStringLiteral("txtTitle"))->setText(QStringLiteral("Summer CD"));
    f.chooseRoot(f.cdRoot);
    const QString font = f.edit(QStringLiteral("txtTitleFont"))->text();
    f.click(QStringLiteral("cmdNext"));
    QCOMPARE(f.notices.texts(), QStringList{QStringLiteral("Please choose a style from the list!")});
    QCOMPARE(f.step(), 1);
    QCOMPARE(f.edit(QStringLiteral("txtTitleFont"))->text(), font);
}

void TestStyles::imagePageChecks_data()
{
    QTest::addColumn<QString>("styleName");
    QTest::addColumn<QStringList>("media"); // back image, logo, sound, button off, button on
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QStringList>("mediaAfter");

    const QString none = QStringLiteral("none");
    const QString present = QStringLiteral("@present");
    const QString missing = QStringLiteral("/no/such/file.gif");
    QTest::newRow("no style name") << QString() << QStringList{missing, none, missing, none, none}
                                   << QStringLiteral("Please enter a style name!")
                                   << QStringList{missing, none, missing, none, none};
    QTest::newRow("image and sound missing")
        << QStringLiteral("Blue") << QStringList{missing, present, missing, none, none}
        << QStringLiteral("Following paths are no longer valid, please correct!\r\nBackground image\r\n"
                          "Background sound\r\n")
        << QStringList{none, present, none, none, none};
    QTest::newRow("button images missing")
        << QStringLiteral("Blue") << QStringList{none, none, none, missing, missing}
        << QStringLiteral("Following paths are no longer valid, please correct!\r\nButton Off image\r\n"
                          "Button On image\r\n")
        << QStringList{none, none, none, none, none};
    QTest::newRow("empty field not examined")
        << QStringLiteral("Blue") << QStringList{QString(), none, none, none, none} << QString()
        << QStringList{QString(), none, none, none, none};
    QTest::newRow("all present") << QStringLiteral("Blue") << QStringList{present, present, present, present, present}
                                 << QString() << QStringList{present, present, present, present, present};
}

void TestStyles::imagePageChecks()
{
    QFETCH(QString, styleName);
    QFETCH(QStringList, media);
    QFETCH(QString, notice);
    QFETCH(QStringList, mediaAfter);

    WizardFixture f;
    const QString file = f.makeFile(QStringLiteral("art/logo.gif"));
    f.walkToFonts(QStringLiteral("Summer CD"));
    f.click(QStringLiteral("cmdBack"));
    QCOMPARE(f.step(), 2);
    const QStringList names = {QStringLiteral("txtBackImage"), QStringLiteral("txtLogoImage"),
                               QStringLiteral("txtBSound"), QStringLiteral("txtButtonOff"),
                               QStringLiteral("txtButtonOn")};
    f.edit(QStringLiteral("txtStyleName"))->setText(styleName);
    for (int i = 0; i < names.size(); ++i)
        f.edit(names.at(i))->setText(media.at(i) == QLatin1String("@present") ? file : media.at(i));
    f.click(QStringLiteral("cmdNext"));

    QCOMPARE(f.notices.texts(), notice.isEmpty() ? QStringList() : QStringList{notice});
    QCOMPARE(f.step(), notice.isEmpty() ? 3 : 2);
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(f.edit(names.at(i))->text(), mediaAfter.at(i) == QLatin1String("@present") ? file : mediaAfter.at(i));
    if (notice.startsWith(QLatin1String("Following"))) {
        // The offending fields now read "none": the second click goes on.
        f.click(QStringLiteral("cmdNext"));
        QCOMPARE(f.step(), 3);
    }
}

void TestStyles::saveNewStyleWithLogo()
{
    WizardFixture f;
    const QString logo = f.makeFile(QStringLiteral("art/logo.gif"), "GIF89a-logo");
    f.click(QStringLiteral("cmdNew"));
    f.edit(QStringLiteral("txtTitle"))->setText(QStringLiteral("Summer CD"));
    f.chooseRoot(f.cdRoot);
    f.click(QStringLiteral("cmdNext"));
    f.edit(QStringLiteral("txtStyleName"))->setText(QStringLiteral("Blue"));
    f.edit(QStringLiteral("txtLogoImage"))->setText(logo);
    f.click(QStringLiteral("cmdNext"));
    f.click(QStringLiteral("cmdNext"));
    QCOMPARE(f.step(), 4);
    QVERIFY(f.notices.shown().isEmpty());

    const QString library = f.home + QStringLiteral("/Styles/Blue/logo.gif");
    QFile copy(library);
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), QByteArray("GIF89a-logo"));
    QVERIFY(QFileInfo(f.cdRoot + QStringLiteral("/Menu/logo.gif")).isFile());
    QVERIFY(QFileInfo(f.cdRoot + QStringLiteral("/Menu/Styles.css")).isFile());
    QCOMPARE(f.edit(QStringLiteral("txtLogoImage"))->text(), QDir::toNativeSeparators(library));

    const qint64 id = f.window->state().styleId;
    QVERIFY(id > 0);
    QCOMPARE(f.scalar(QStringLiteral("SELECT count(*) FROM tblStyles")).toInt(), 1);
    QCOMPARE(f.scalar(QStringLiteral("SELECT Logofile FROM tblStyles WHERE StyleID=?"), {id}).toString(),
             QDir::toNativeSeparators(library));
    QCOMPARE(f.scalar(QStringLiteral("SELECT StyleName FROM tblStyles WHERE StyleID=?"), {id}).toString(),
             QStringLiteral("Blue"));
    QCOMPARE(f.combo(QStringLiteral("cmbStyles"))->currentText(), QStringLiteral("%1: Blue").arg(id));
    QCOMPARE(f.scalar(QStringLiteral("SELECT StyleNo FROM tblMenus")).toInt(), id);

    // A second pass stores the same row again instead of adding one.
    f.click(QStringLiteral("cmdBack"));
    f.edit(QStringLiteral("txtTitleColor"))->setText(QStringLiteral("RGB(1,2,3)"));
    f.click(QStringLiteral("cmdNext"));
    QCOMPARE(f.scalar(QStringLiteral("SELECT count(*) FROM tblStyles")).toInt(), 1);
    QCOMPARE(f.scalar(QStringLiteral("SELECT TitleColor FROM tblStyles")).toString(), QStringLiteral("RGB(1,2,3)"));
}

void TestStyles::storedStyleUpdatedOnce()
{
    WizardFixture f;
    f.storeStyle(3, QStringLiteral("Ocean"));
    f.click(QStringLiteral("cmdNew"));
    f.combo(QStringLiteral("cmbStyles"))->setCurrentIndex(1);
    f.edit(QStringLiteral("txtTitle"))->setText(QStringLiteral("Summer CD"));
    f.chooseRoot(f.cdRoot);
    f.click(QStringLiteral("cmdNext"));
    f.edit(QStringLiteral("txtStyleName"))->setText(QStringLiteral("Renamed"));
    f.edit(QStringLiteral("txtLeft"))->setText(QStringLiteral("120"));
    f.click(QStringLiteral("cmdNext"));
    f.click(QStringLiteral("cmdNext"));
    QCOMPARE(f.step(), 4);
    QCOMPARE(f.scalar(QStringLiteral("SELECT LogoLeft FROM tblStyles")).toString(), QStringLiteral("120"));
    QCOMPARE(f.scalar(QStringLiteral("SELECT StyleName FROM tblStyles")).toString(), QStringLiteral("Ocean"));
    QVERIFY(!f.window->state().styleLoaded);

    // Without passing the general page again, the second save writes the stylesheet but not the row.
    f.click(QStringLiteral("cmdBack"));
    f.edit(QStringLiteral("txtHColor"))->setText(QStringLiteral("RGB(9,9,9)"));
    QFile::remove(f.cdRoot + QStringLiteral("/Menu/Styles.css"));
    f.click(QStringLiteral("cmdNext"));
    QCOMPARE(f.step(), 4);
    QCOMPARE(f.scalar(QStringLiteral("SELECT HyperColor FROM tblStyles")).toString(),
             QStringLiteral("RGB(192,192,192)"));
    QVERIFY(QFileInfo(f.cdRoot + QStringLiteral("/Menu/Styles.css")).isFile());
}

void TestStyles::apostrophesStoredIntact()
{
    WizardFixture f;
    f.walkToFonts(QStringLiteral("Bob's CD"), QStringLiteral("Bob's style"));
    f.edit(QStringLiteral("txtDFont"))->setText(QStringLiteral("Comic Sans's;10pt;normal"));
    f.click(QStringLiteral("cmdNext"));
    QCOMPARE(f.step(), 4);
    QCOMPARE(f.scalar(QStringLiteral("SELECT StyleName FROM tblStyles")).toString(), QStringLiteral("Bob's style"));
    QCOMPARE(f.scalar(QStringLiteral("SELECT TextFont FROM tblStyles")).toString(),
             QStringLiteral("Comic Sans's;10pt;normal"));
    QCOMPARE(f.scalar(QStringLiteral("SELECT Title FROM tblMenus")).toString(), QStringLiteral("Bob's CD"));
    QCOMPARE(f.combo(QStringLiteral("cmbStyles"))->currentText(),
             QStringLiteral("%1: Bob's style").arg(f.window->state().styleId));
}

void TestStyles::failedCopyChangesNothing()
{
    WizardFixture f;
    const QString logo = f.makeFile(QStringLiteral("art/logo.gif"));
    // A file named Menu where the Menu folder belongs: nothing can be copied into it.
    f.makeFile(QStringLiteral("cd/Menu"));
    f.click(QStringLiteral("cmdNew"));
    f.edit(QStringLiteral("txtTitle"))->setText(QStringLiteral("Summer CD"));
    f.chooseRoot(f.cdRoot);
    f.click(QStringLiteral("cmdNext"));
    f.edit(QStringLiteral("txtStyleName"))->setText(QStringLiteral("Blue"));
    f.edit(QStringLiteral("txtLogoImage"))->setText(logo);
    f.click(QStringLiteral("cmdNext"));
    f.click(QStringLiteral("cmdNext"));

    QCOMPARE(f.notices.shown().size(), 1);
    QVERIFY(!f.notices.texts().constFirst().isEmpty());
    QCOMPARE(f.step(), 3);
    QCOMPARE(f.edit(QStringLiteral("txtLogoImage"))->text(), logo);
    QCOMPARE(f.scalar(QStringLiteral("SELECT count(*) FROM tblStyles")).toInt(), 0);
    QCOMPARE(f.scalar(QStringLiteral("SELECT count(*) FROM tblMenus")).toInt(), 0);
    QCOMPARE(f.window->state().menuId, 0);
}

void TestStyles::collidingMediaChangeNothing()
{
    // A background named like the stylesheet would replace it in the Menu folder.
    WizardFixture f;
    const QString background = f.makeFile(QStringLiteral("art/Styles.css"), "not a stylesheet");
    f.makeFile(QStringLiteral("cd/Menu/Styles.css"), "earlier stylesheet");
    f.click(QStringLiteral("cmdNew"));
    f.edit(QStringLiteral("txtTitle"))->setText(QStringLiteral("Summer CD"));
    f.chooseRoot(f.cdRoot);
    f.click(QStringLiteral("cmdNext"));
    f.edit(QStringLiteral("txtStyleName"))->setText(QStringLiteral("Blue"));
    f.edit(QStringLiteral("txtBackImage"))->setText(background);
    f.click(QStringLiteral("cmdNext"));
    f.click(QStringLiteral("cmdNext"));

    QCOMPARE(f.notices.shown().size(), 1);
    QVERIFY2(f.notices.texts().constFirst().contains(QLatin1String("Menu/Styles.css")),
             qPrintable(f.notices.texts().constFirst()));
    QCOMPARE(f.step(), 3);
    QFile stylesheet(f.cdRoot + QStringLiteral("/Menu/Styles.css"));
    QVERIFY(stylesheet.open(QIODevice::ReadOnly));
    QCOMPARE(stylesheet.readAll(), QByteArray("earlier stylesheet"));
    QVERIFY(!QFileInfo::exists(f.home + QStringLiteral("/Styles/Blue")));
    QCOMPARE(f.scalar(QStringLiteral("SELECT count(*) FROM tblStyles")).toInt(), 0);
}

// Each style page takes its own fields when left: going back to the images page and forward again keeps what was
// typed on the fonts page, and the saved style holds the edits of both.
void TestStyles::eachPageKeepsItsEditsAcrossBack()
{
    WizardFixture f;
    f.walkToFonts(QStringLiteral("Summer CD"), QStringLiteral("First"));
    f.edit(QStringLiteral("txtButtonFont"))->setText(QStringLiteral("Verdana;12pt;bold"));
    f.click(QStringLiteral("cmdBack"));
    f.edit(QStringLiteral("txtStyleName"))->setText(QStringLiteral("Second"));
    f.click(QStringLiteral("cmdNext"));
    QCOMPARE(f.edit(QStringLiteral("txtButtonFont"))->text(), QStringLiteral("Verdana;12pt;bold"));
    f.click(QStringLiteral("cmdNext"));
    QCOMPARE(f.step(), 4);
    const QVariant id = f.window->state().styleId;
    QCOMPARE(f.scalar(QStringLiteral("SELECT StyleName || '|' || ButtonFont FROM tblStyles WHERE StyleID=?"), {id})
                 .toString(),
             QStringLiteral("Second|Verdana;12pt;bold"));
}

void TestStyles::badFontTextChangesNothing()
{
    WizardFixture f;
    f.walkToFonts(QStringLiteral("Summer CD"));
    f.edit(QStringLiteral("txtButtonFont"))->setText(QStringLiteral("Arial;10pt"));
    f.click(QStringLiteral("cmdNext"));
    QCOMPARE(f.notices.shown().size(), 1);
    QCOMPARE(f.step(), 3);
    QCOMPARE(f.scalar(QStringLiteral("SELECT count(*) FROM tblStyles")).toInt(), 0);
    QVERIFY(!QFileInfo::exists(f.cdRoot + QStringLiteral("/Menu/Styles.css")));
}

void TestStyles::styleNameCannotLeaveLibrary()
{
    WizardFixture f;
    f.walkToFonts(QStringLiteral("Summer CD"));
    f.click(QStringLiteral("cmdBack"));
    f.edit(QStringLiteral("txtStyleName"))->setText(QStringLiteral("../outside"));
    f.click(QStringLiteral("cmdNext"));
    QCOMPARE(f.notices.shown().size(), 1);
    QCOMPARE(f.step(), 2);
}

QTEST_MAIN(TestStyles)
#include "tst_styles.moc"
