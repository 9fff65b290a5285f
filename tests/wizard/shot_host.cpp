// Shows the wizard on page N, as a user reaches it, and saves a picture of the window: velmora_shot N FILE.PNG
// "files" shows page 4 with its entries and the File Descriptions dialog, "about" the About box, "check" the disc
// check's problems, "fill" the checklist of Add Folder Contents…. A third argument, --zoom=PERCENT, zooms as the
// program's --zoom does.
#include "core/about/SystemInfo.h"
#include "tests/wizard/WizardFixture.h"
#include "wizard/Zoom.h"
#include "wizard/about/frmAbout.h"
#include "wizard/entries/FileEntries.h"
#include "wizard/entries/frmFiles.h"
#include "wizard/platform/QtDiscPrompts.h"

#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTimer>

namespace {

void addEntry(WizardFixture &fixture, const QString &title, const QString &file, const QString &category,
              const QString &description)
{
    fixture.edit(QStringLiteral("txtFile"))->setText(fixture.cdRoot + QLatin1Char('/') + file);
    fixture.edit(QStringLiteral("txtFileTitle"))->setText(title);
    fixture.edit(QStringLiteral("txtFileCat"))->setText(category);
    fixture.window->findChild<QPlainTextEdit *>(QStringLiteral("txtFileDescription"))->setPlainText(description);
    fixture.click(QStringLiteral("cmdSave"));
}

} // namespace

// Shows one of the disc prompts and saves a picture of it.
bool shootPrompt(WizardFixture &fixture, const QString &what, const QString &file)
{
    QtDiscPrompts prompts(fixture.window.get());
    bool saved = false;
    QTimer::singleShot(300, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        saved = dialog && dialog->grab().save(file);
        if (dialog)
            dialog->close();
    });
    if (what == QLatin1String("check")) {
        prompts.continueDespite(
            {QStringLiteral("The file \"docs/quick start guide.pdf\" of the entry \"Quick start\" is missing."),
             QStringLiteral("The name \"setup/very long folder name for the installers of the quarterly "
                            "release/setup.exe\" is longer than 64 characters.")},
            {QStringLiteral("Hidden files go on the disc: .DS_Store, docs/.thumbs.")},
            QStringLiteral("Size: 712.4 MB; too large for a CD (700 MB), fits on a DVD (4.7 GB)."));
    } else {
        QList<FileRow> rows = {
            {true, QStringLiteral("manual"), QStringLiteral("Docs"), QStringLiteral("docs/manual.pdf")},
            {true, QStringLiteral("quick start"), QStringLiteral("Docs"), QStringLiteral("docs/quick-start.pdf")},
            {true, QStringLiteral("setup"), QStringLiteral("Setup"), QStringLiteral("setup/setup.exe")},
            {true, QStringLiteral("setup (2)"), QStringLiteral("Setup"), QStringLiteral("setup/setup.ini")},
            {true, QStringLiteral("intro"), QStringLiteral("Media"), QStringLiteral("media/intro.mp4")}};
        prompts.chooseFiles(rows);
    }
    return saved;
}

int main(int argc, char *argv[])
{
    if (argc > 3 && QByteArray(argv[3]).startsWith("--zoom="))
        Zoom::setForThisRun(QByteArray(argv[3]).mid(7).toInt());
    QApplication app(argc, argv);
    Zoom::startMade();
    if (argc < 3)
        return 2;
    const QString what = QString::fromLocal8Bit(argv[1]);
    const QString file = QString::fromLocal8Bit(argv[2]);
    WizardFixture fixture;
    if (what == QLatin1String("about")) {
        const SystemInfoLookup systemInfo;
        frmAbout about(WizardFixture::host(), fixture.notices, systemInfo);
        about.show();
        QApplication::processEvents();
        return about.grab().save(file) ? 0 : 1;
    }
    if (what == QLatin1String("check") || what == QLatin1String("fill"))
        return shootPrompt(fixture, what, file) ? 0 : 1;
    const bool files = what == QLatin1String("files");
    const int page = files ? 4 : what.toInt();
    fixture.makeFile(QStringLiteral("cd/Tools/readme.txt"));
    fixture.makeFile(QStringLiteral("cd/Docs/manual.pdf"));
    fixture.window->show();
    if (page >= 1) {
        fixture.click(QStringLiteral("cmdNew"));
        fixture.combo(QStringLiteral("cmbTemplate"))->setCurrentText(QStringLiteral("Extended Screenshots"));
        fixture.edit(QStringLiteral("txtTitle"))->setText(QStringLiteral("Summer CD"));
        fixture.chooseRoot(fixture.cdRoot);
    } else {
        fixture.storeMenu(1, QStringLiteral("Standard"), QStringLiteral("Summer CD"), 0, fixture.cdRoot);
        fixture.storeMenu(2, QStringLiteral("Extended"), QStringLiteral("Tools 2026"), 0, fixture.cdRoot);
        fixture.click(QStringLiteral("cmdEdit"));
    }
    if (page >= 2) {
        fixture.click(QStringLiteral("cmdNext"));
        fixture.edit(QStringLiteral("txtStyleName"))->setText(QStringLiteral("Ocean"));
        fixture.edit(QStringLiteral("txtBackgroundColor"))->setText(QStringLiteral("RGB(0,64,128)"));
        fixture.window->findChild<Swatch *>(QStringLiteral("colBack"))->setColor(0x804000);
    }
    if (page >= 3)
        fixture.click(QStringLiteral("cmdNext"));
    if (page >= 4) {
        fixture.click(QStringLiteral("cmdNext"));
        addEntry(fixture, QStringLiteral("Read me"), QStringLiteral("Docs/manual.pdf"), QStringLiteral("Docs"),
                 QStringLiteral("The manual of every tool on this disc."));
        addEntry(fixture, QStringLiteral("Tools readme"), QStringLiteral("Tools/readme.txt"), QStringLiteral("Tools"),
                 QStringLiteral("What the tools do and how to install them."));
        auto *list = fixture.window->findChild<QListWidget *>(QStringLiteral("lstFiles"));
        list->item(1)->setSelected(true);
    }
    QApplication::processEvents();
    if (files) {
        fixture.click(QStringLiteral("cmdFind"));
        frmFiles *dialog = fixture.window->findChild<FileEntries *>()->descriptionsDialog();
        QApplication::processEvents();
        return dialog && dialog->grab().save(file) ? 0 : 1;
    }
    const bool saved = fixture.window->grab().save(file);
    for (const QString &text : fixture.notices.texts())
        qWarning("notice: %s", qPrintable(text));
    return saved ? 0 : 1;
}
