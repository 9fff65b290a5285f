#include "wizard/platform/DriveList.h"

#include "core/platform/SystemPlaces.h"

#include <QDir>
#include <QStorageInfo>

DriveList::DriveList(QWidget *parent) : QComboBox(parent)
{
    setDrives(mountedRoots());
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            emit driveChanged(itemData(index).toString());
    });
}

QStringList DriveList::mountedRoots()
{
    QStringList roots;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots.append(volume.rootPath());
    }
    const QString systemRoot = QDir::rootPath();
    roots.removeAll(systemRoot);
    roots.sort(Qt::CaseInsensitive);
    roots.prepend(systemRoot);
    return roots;
}

QString DriveList::driveOf(const QString &path, const QStringList &drives)
{
    const QString cleaned = QDir::cleanPath(path);
    QString best;
    for (const QString &root : drives) {
        const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
        const bool under = cleaned == root || cleaned.startsWith(prefix);
        if (under && root.size() > best.size())
            best = root;
    }
    return best;
}

void DriveList::setDrives(const QStringList &roots)
{
    const QSignalBlocker blocker(this);
    clear();
    for (const QString &root : roots)
        addItem(SystemPlaces::driveCaption(root, QStorageInfo(root).name()), root);
}

QStringList DriveList::drives() const
{
    QStringList result;
    for (int i = 0; i < count(); ++i)
        result.append(itemData(i).toString());
    return result;
}

QString DriveList::drive() const
{
    return currentData().toString();
}

bool DriveList::setDrive(const QString &root)
{
    const int index = findData(root);
    if (index < 0)
        return false;
    setCurrentIndex(index);
    return true;
}
