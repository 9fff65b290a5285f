#include "core/platform/RemovableDrives.h"

#include <QCoreApplication>
#include <QDir>

QString RemovableDrive::shown() const
{
    const QString free = QCoreApplication::translate("DriveCopy", "%1 GB free").arg(double(bytesFree) / 1e9, 0, 'f', 1);
    const QString where = QDir::toNativeSeparators(root);
    return label.isEmpty() ? QStringLiteral("%1 (%2)").arg(where, free)
                           : QStringLiteral("%1 (%2, %3)").arg(label, where, free);
}
