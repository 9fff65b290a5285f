#include "FolderList.h"

#include <QDir>
#include <QFileInfo>
#include <QStyle>

FolderList::FolderList(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { setPath(item->data(Qt::UserRole).toString()); });
}

bool FolderList::setPath(const QString &folder)
{
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir())
        return false;
    const QString cleaned = QDir::cleanPath(info.absoluteFilePath());
    if (cleaned == m_path)
        return true;
    m_path = cleaned;
    refresh();
    emit pathChanged(m_path);
    return true;
}

void FolderList::refresh()
{
    clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirIcon);

    QStringList chain;
    for (QDir dir(m_path);; ) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp())
            break;
    }
    int depth = 0;
    QListWidgetItem *current = nullptr;
    for (const QString &folder : chain) {
        const QString name = QDir(folder).isRoot() ? QDir::toNativeSeparators(folder) : QFileInfo(folder).fileName();
        auto *item = new QListWidgetItem(openIcon, QString(depth * 2, QLatin1Char(' ')) + name, this);
        item->setData(Qt::UserRole, folder);
        current = item;
        ++depth;
    }
    const QFileInfoList children =
        QDir(m_path).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &child : children) {
        auto *item = new QListWidgetItem(closedIcon, QString(depth * 2, QLatin1Char(' ')) + child.fileName(), this);
        item->setData(Qt::UserRole, QDir::cleanPath(child.absoluteFilePath()));
    }
    setCurrentItem(current);
}
