#include "wizard/platform/QtDiscPrompts.h"

#include "wizard/Notices.h"
#include "wizard/platform/BrowserOpener.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// A resizable dialog of a caption, a body and a row of buttons.
struct PromptDialog
{
    QDialog dialog;
    QVBoxLayout *layout;
    QDialogButtonBox *buttons;

    PromptDialog(QWidget *parent, const QString &objectName, const QString &caption) : dialog(parent)
    {
        dialog.setObjectName(objectName);
        dialog.setWindowTitle(Notices::programTitle());
        dialog.setSizeGripEnabled(true);
        layout = new QVBoxLayout(&dialog);
        auto *label = new QLabel(caption, &dialog);
        label->setObjectName(QStringLiteral("lblCaption"));
        label->setWordWrap(true);
        layout->addWidget(label);
        buttons = new QDialogButtonBox(&dialog);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    }
};

// A line of the problem list: wrapped over as many lines as it needs, selectable, never read as markup.
QLabel *wrappedLine(const QString &text, const QString &objectName, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

enum Column { CheckColumn, TitleColumn, CategoryColumn, FileColumn };

} // namespace

bool QtDiscPrompts::chooseFiles(QList<FileRow> &rows)
{
    PromptDialog box(m_parent, QStringLiteral("dlgAddFiles"),
                     QCoreApplication::translate(
                         "FolderFill", "These files have no entry yet. Uncheck the ones the menu should not offer."));
    auto *table = new QTableWidget(int(rows.size()), 4, &box.dialog);
    table->setObjectName(QStringLiteral("tblFiles"));
    table->setHorizontalHeaderLabels({QString(), QCoreApplication::translate("FolderFill", "Title"),
                                      QCoreApplication::translate("FolderFill", "Category"),
                                      QCoreApplication::translate("FolderFill", "File")});
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    for (int i = 0; i < rows.size(); ++i) {
        const FileRow &row = rows.at(i);
        auto *check = new QTableWidgetItem;
        check->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        check->setCheckState(row.checked ? Qt::Checked : Qt::Unchecked);
        table->setItem(i, CheckColumn, check);
        table->setItem(i, TitleColumn, new QTableWidgetItem(row.title));
        table->setItem(i, CategoryColumn, new QTableWidgetItem(row.category));
        auto *file = new QTableWidgetItem(row.file);
        file->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        table->setItem(i, FileColumn, file);
    }
    QHeaderView *header = table->horizontalHeader();
    header->setSectionResizeMode(CheckColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(FileColumn, QHeaderView::Stretch);
    // Room to type longer titles and categories than the suggested ones.
    table->resizeColumnToContents(TitleColumn);
    table->resizeColumnToContents(CategoryColumn);
    table->setColumnWidth(TitleColumn, qMax(table->columnWidth(TitleColumn), 180));
    table->setColumnWidth(CategoryColumn, qMax(table->columnWidth(CategoryColumn), 120));
    box.layout->addWidget(table);

    // One category for every checked row at once.
    auto *categoryRow = new QHBoxLayout;
    auto *categoryLabel =
        new QLabel(QCoreApplication::translate("FolderFill", "Category of the checked files:"), &box.dialog);
    auto *category = new QLineEdit(&box.dialog);
    category->setObjectName(QStringLiteral("txtCategory"));
    categoryLabel->setBuddy(category);
    auto *setCategory = new QPushButton(QCoreApplication::translate("FolderFill", "Set"), &box.dialog);
    setCategory->setObjectName(QStringLiteral("cmdSetCategory"));
    setCategory->setAutoDefault(false);
    categoryRow->addWidget(categoryLabel);
    categoryRow->addWidget(category, 1);
    categoryRow->addWidget(setCategory);
    box.layout->addLayout(categoryRow);
    QObject::connect(setCategory, &QPushButton::clicked, table, [table, category] {
        const QString text = category->text().trimmed();
        if (text.isEmpty())
            return;
        for (int i = 0; i < table->rowCount(); ++i) {
            if (table->item(i, CheckColumn)->checkState() == Qt::Checked)
                table->item(i, CategoryColumn)->setText(text);
        }
    });

    box.layout->addWidget(box.buttons);
    box.buttons->addButton(QCoreApplication::translate("FolderFill", "Add"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("cmdAdd"));
    box.buttons->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    box.dialog.resize(640, 420);
    if (box.dialog.exec() != QDialog::Accepted)
        return false;
    for (int i = 0; i < rows.size(); ++i) {
        FileRow &row = rows[i];
        row.checked = table->item(i, CheckColumn)->checkState() == Qt::Checked;
        // A field left empty keeps what was offered.
        const QString title = table->item(i, TitleColumn)->text().simplified();
        const QString rowCategory = table->item(i, CategoryColumn)->text().simplified();
        if (!title.isEmpty())
            row.title = title;
        if (!rowCategory.isEmpty())
            row.category = rowCategory;
    }
    return true;
}

bool QtDiscPrompts::continueDespite(const QStringList &problems, const QStringList &notes, const QString &summary)
{
    PromptDialog box(
        m_parent, QStringLiteral("dlgDiscCheck"),
        QCoreApplication::translate("DiscCheck", "The disc check found these problems. Build the menu anyway?"));
    // Each problem wraps in the dialog's width; a long list scrolls, never sideways.
    auto *lines = new QWidget;
    lines->setObjectName(QStringLiteral("lstItems"));
    auto *linesLayout = new QVBoxLayout(lines);
    for (const QString &problem : problems)
        linesLayout->addWidget(wrappedLine(problem, QStringLiteral("lblProblem"), lines));
    if (!notes.isEmpty())
        linesLayout->addWidget(
            wrappedLine(QCoreApplication::translate("DiscCheck", "Notes:"), QStringLiteral("lblNotes"), lines));
    for (const QString &note : notes)
        linesLayout->addWidget(wrappedLine(note, QStringLiteral("lblNote"), lines));
    linesLayout->addStretch();
    auto *scroll = new QScrollArea(&box.dialog);
    scroll->setObjectName(QStringLiteral("scrProblems"));
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(lines);
    scroll->setBackgroundRole(QPalette::Base);
    box.layout->addWidget(scroll, 1);
    if (!summary.isEmpty())
        box.layout->addWidget(wrappedLine(summary, QStringLiteral("lblSummary"), &box.dialog));
    box.layout->addWidget(box.buttons);

    QPushButton *copy =
        box.buttons->addButton(QCoreApplication::translate("DiscCheck", "Copy"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("cmdCopy"));
    copy->setAutoDefault(false);
    QStringList all = problems + notes;
    if (!summary.isEmpty())
        all.append(summary);
    QObject::connect(copy, &QPushButton::clicked, copy,
                     [all] { QApplication::clipboard()->setText(all.join(QLatin1Char('\n')) + QLatin1Char('\n')); });
    box.buttons->addButton(QCoreApplication::translate("DiscCheck", "Continue"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("cmdContinue"));
    QPushButton *cancel = box.buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    cancel->setDefault(true);
    box.dialog.resize(560, 400);
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

QString QtDiscPrompts::copyFolder(const QString &start)
{
    QFileDialog dialog(m_parent, QCoreApplication::translate("DriveCopy", "Copy to Folder"), start);
    dialog.setObjectName(QStringLiteral("dlgCopyFolder"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void QtDiscPrompts::open(const QString &file)
{
    if (!m_notices) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(file));
        return;
    }
    // The opener lives until its outcome is known; it reports a failure itself.
    auto *opener = new BrowserOpener(*m_notices);
    QObject::connect(opener, &BrowserOpener::done, opener, &QObject::deleteLater);
    opener->open(file);
}
