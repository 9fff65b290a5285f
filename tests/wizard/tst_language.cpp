#include "core/about/Translations.h"
#include "core/platform/ProgramParts.h"
#include "tests/wizard/WizardFixture.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

// The window started on a German desktop: Velmora's own texts, its buttons' captions from the form files and Qt's
// own dialogs all speak German, and a new menu's page takes the window's language.
class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void germanDesktopGivesGermanWindow();
};

void TestLanguage::germanDesktopGivesGermanWindow()
{
    const QString language =
        Translations::install(QString(), ProgramParts(QStringLiteral(VELMORA_PROGRAM_FOLDER)).translationFolders());
    QCOMPARE(language, QStringLiteral("de"));

    WizardFixture f(language);
    // The welcome page's first button: a corvix control whose caption comes from the form file.
    QCOMPARE(f.control(QStringLiteral("cmdNew"))->property("Caption").toString(), QStringLiteral("Menü erstellen"));
    QCOMPARE(f.control(QStringLiteral("cmdNew"))->toolTip(), QStringLiteral("Ein neues Menü erstellen"));
    QCOMPARE(f.window->findChild<QLabel *>(QStringLiteral("lblWhat"))->text(), QStringLiteral("Was möchten Sie tun?"));

    // A notice from the page, and the page language of a new menu.
    f.click(QStringLiteral("cmdNew"));
    QCOMPARE(f.combo(QStringLiteral("cmbLanguage"))->currentData().toString(), QStringLiteral("de"));
    QCOMPARE(f.combo(QStringLiteral("cmbLanguage"))->currentText(), QStringLiteral("Deutsch"));
    f.click(QStringLiteral("cmdNext"));
    QCOMPARE(f.notices.texts().value(0), QStringLiteral("Bitte geben Sie einen Menütitel ein!"));

    // Qt's own buttons come from Qt's translations.
    QMessageBox box(QMessageBox::Question, QStringLiteral(" "), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Nein"));
}

int main(int argc, char *argv[])
{
    // The desktop's language as a German session sets it, before the application reads it.
    qunsetenv("LANGUAGE");
    qunsetenv("LC_ALL");
    qunsetenv("LC_MESSAGES");
    qputenv("LANG", "de_DE.UTF-8");
    QApplication app(argc, argv);
    TestLanguage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_language.moc"
