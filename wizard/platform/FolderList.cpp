#include "wizard/platform/FolderList.h"

#include <QDir>
#include <QFileInfo>
#include <QStyle>
#include <QStyledItemDelegate>

namespace {

constexpr int depthRole = Qt::UserRole + 1;
constexpr int indentPerLevel = 12;

// Indents each folder by its depth, so that the names themselves stay plain for type-ahead search.
class IndentDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem shifted = option;
        shifted.rect.adjust(index.data(depthRole).toInt() * indentPerLevel, 0, 0, 0);
        QStyledItemDelegate::paint(painter, shifted, index);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(index.data(depthRole).toInt() * indentPerLevel, 0);
    }
};

} // namespace

FolderList::FolderList(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new IndentDelegate(this));
    setIconSize(QSize(16, 16));
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
        auto *item = new QListWidgetItem(openIcon, name, this);
        item->setData(Qt::UserRole, folder);
        item->setData(depthRole, depth);
        current = item;
        ++depth;
    }
    const QFileInfoList children =
        QDir(m_path).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &child : children) {
        auto *item = new QListWidgetItem(closedIcon, child.fileName(), this);
        item->setData(Qt::UserRole, QDir::cleanPath(child.absoluteFilePath()));
        item->setData(depthRole, depth);
    }
    setCurrentItem(current);
}
