#include "controls/gallery/GalleryWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCursor>
#include <QMessageBox>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("corvix-gallery"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows the corvix button controls."));
    parser.addHelpOption();
    const QCommandLineOption grab(QStringLiteral("grab"), QStringLiteral("Save a picture of the window and quit."),
                                  QStringLiteral("file.png"));
    const QCommandLineOption pluginDir(QStringLiteral("plugin-dir"),
                                       QStringLiteral("Folder of the corvix plugin (default: the program folder)."),
                                       QStringLiteral("folder"));
    const QCommandLineOption pointAt(QStringLiteral("point-at"),
                                     QStringLiteral("With --grab: put the pointer over this control first."),
                                     QStringLiteral("name"));
    parser.addOption(grab);
    parser.addOption(pointAt);
    parser.addOption(pluginDir);
    parser.process(app);

    CorvixHost host(parser.value(pluginDir));
    if (!host.loadPlugin()) {
        if (parser.isSet(grab) || QGuiApplication::platformName() == QLatin1String("offscreen"))
            qCritical("%s", qPrintable(host.errorString()));
        else
            QMessageBox::critical(nullptr, QStringLiteral(" "), host.errorString());
        return 1;
    }
    GalleryWindow window(host);
    window.show();
    if (parser.isSet(grab)) {
        const QString file = parser.value(grab);
        const QString target = parser.value(pointAt);
        QTimer::singleShot(200, &window, [&window, target] {
            if (const QWidget *control = window.findChild<QWidget *>(target))
                QCursor::setPos(control->mapToGlobal(control->rect().center()));
        });
        QTimer::singleShot(600, &window, [&window, file] {
            const bool saved = window.grab().save(file, "PNG");
            if (!saved)
                qCritical("Cannot write %s", qPrintable(file));
            QCoreApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}
