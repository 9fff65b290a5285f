#include "wizard/WizardMain.h"

#include "controls/host/CorvixHost.h"
#include "core/about/Translations.h"
#include "core/data/DataError.h"
#include "core/data/DataHome.h"
#include "core/data/DatabaseFile.h"
#include "core/platform/ProgramParts.h"
#include "wizard/Twips.h"
#include "wizard/Zoom.h"
#include "wizard/frmVelmora.h"
#include "wizard/platform/MessageBoxNotices.h"
#include "wizard/platform/QtCommonDialog.h"
#include "wizard/platform/QtDiscPrompts.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QMessageBox>
#include <QTextStream>

int runWizard(int &argc, char **argv, const DataHomeLookup &dataHome, const QString &requestedLanguage)
{
    // The window at 100 %: its client area, the menu bar and a title bar.
    const int windowHeight = twips(7035) + 50;
    Zoom::prepareStart(argc, argv, windowHeight);
    QApplication app(argc, argv);
    Zoom::startMade();
    const QString programFolder = QApplication::applicationDirPath();
    const QString language = Translations::install(requestedLanguage, ProgramParts(programFolder).translationFolders());

    QIcon icon;
    for (const int size : {48, 128, 256})
        icon.addFile(QStringLiteral(":/icons/velmora-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);

    // A failed start is also told on stderr, for a start from a terminal or a desktop's log.
    const auto fail = [](const QString &text) {
        QTextStream(stderr) << "velmora: " << text << Qt::endl;
        QMessageBox::critical(nullptr, QStringLiteral(" "), text);
        return 1;
    };
    const StepValue<QString> found = dataHome(programFolder);
    if (!found)
        return fail(found.error);
    const QString home = found.value;
    try {
        DatabaseFile::prepare(DataHome::databasePath(home));
    } catch (const DataError &error) {
        return fail(error.message());
    }
    CorvixHost controls(ProgramParts(programFolder).pluginFolders());
    if (!controls.loadPlugin())
        return fail(controls.errorString());

    MessageBoxNotices notices;
    QtCommonDialog cdlg;
    QtDiscPrompts discPrompts;
    WizardContext context;
    context.dataHome = home;
    context.programFolder = programFolder;
    context.language = language;
    context.notices = &notices;
    context.cdlg = &cdlg;
    context.discPrompts = &discPrompts;
    context.controls = &controls;
    std::unique_ptr<frmVelmora> window;
    try {
        window = std::make_unique<frmVelmora>(context);
    } catch (const DataError &error) {
        return fail(error.message());
    } catch (const std::exception &error) {
        return fail(QString::fromUtf8(error.what()));
    }
    notices.setParent(window.get());
    cdlg.setParent(window.get());
    discPrompts.setParent(window.get());
    discPrompts.setNotices(&notices);
    window->show();
    return app.exec();
}
