#include "controls/plugin/SystemServices.h"

#include <QCursor>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

QPoint SystemServices::cursorPosition() const
{
    return QCursor::pos();
}

void SystemServices::openLink(const QString &target)
{
    // A path of an existing file opens with its associated program; anything else is taken as an address.
    const QFileInfo file(target);
    const QUrl url = file.exists() ? QUrl::fromLocalFile(file.absoluteFilePath()) : QUrl::fromUserInput(target);
    QDesktopServices::openUrl(url);
}

CorvixServices *SystemServices::instance()
{
    static SystemServices services; // stateless, so one serves every control
    return &services;
}
