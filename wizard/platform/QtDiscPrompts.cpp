#include "wizard/platform/QtDiscPrompts.h"

#include "core/platform/Notices.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// A dialog of a caption, a list and a row of buttons; the list's items are checkable when asked.
struct ListDialog
{
    QDialog dialog;
    QListWidget *list;
    QDialogButtonBox *buttons;

    ListDialog(QWidget *parent, const QString &objectName, const QString &caption) : dialog(parent)
    {
        dialog.setObjectName(objectName);
        dialog.setWindowTitle(Notices::programTitle());
        auto *layout = new QVBoxLayout(&dialog);
        auto *label = new QLabel(caption, &dialog);
        label->setWordWrap(true);
        layout->addWidget(label);
        list = new QListWidget(&dialog);
        list->setObjectName(QStringLiteral("lstItems"));
        layout->addWidget(list);
        buttons = new QDialogButtonBox(&dialog);
        layout->addWidget(buttons);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        dialog.resize(560, 400);
    }
};

} // namespace

std::optional<QList<int>> QtDiscPrompts::chooseFiles(const QStringList &rows)
{
    ListDialog box(m_parent, QStringLiteral("dlgAddFiles"),
                   QCoreApplication::translate(
                       "FolderFill", "These files have no entry yet. Uncheck the ones the menu should not offer."));
    for (const QString &row : rows) {
        auto *item = new QListWidgetItem(row, box.list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    box.buttons->addButton(QCoreApplication::translate("FolderFill", "Add"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("cmdAdd"));
    box.buttons->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    if (box.dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    QList<int> chosen;
    for (int i = 0; i < box.list->count(); ++i) {
        if (box.list->item(i)->checkState() == Qt::Checked)
            chosen.append(i);
    }
    return chosen;
}

bool QtDiscPrompts::continueDespite(const QStringList &problems)
{
    ListDialog box(
        m_parent, QStringLiteral("dlgDiscCheck"),
        QCoreApplication::translate("DiscCheck", "The disc check found these problems. Build the menu anyway?"));
    box.list->addItems(problems);
    box.buttons->addButton(QCoreApplication::translate("DiscCheck", "Continue"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("cmdContinue"));
    QPushButton *cancel = box.buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    cancel->setDefault(true);
    return box.dialog.exec() == QDialog::Accepted;
}

QString QtDiscPrompts::imageFile(const QString &suggested)
{
    const QFileInfo file(suggested);
    QFileDialog dialog(m_parent, QCoreApplication::translate("DiscImage", "Make Disc Image"), file.absolutePath(),
                       QCoreApplication::translate("DiscImage", "Disc images (*.iso)"));
    dialog.setObjectName(QStringLiteral("dlgImageFile"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("iso"));
    dialog.selectFile(file.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void QtDiscPrompts::open(const QString &file)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}
