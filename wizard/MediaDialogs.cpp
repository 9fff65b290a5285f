#include "wizard/MediaDialogs.h"

#include "wizard/Notices.h"
#include "wizard/platform/DiscPrompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

BurnDialog::BurnDialog(const QList<OpticalDrive> &drives, QWidget *parent) : QDialog(parent), m_drives(drives)
{
    setObjectName(QStringLiteral("dlgBurn"));
    setWindowTitle(QCoreApplication::translate("DiscBurn", "Burn to Disc"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    m_drive = new QComboBox(this);
    m_drive->setObjectName(QStringLiteral("cmbDrive"));
    for (const OpticalDrive &drive : drives)
        m_drive->addItem(drive.name.isEmpty() || drive.name == drive.device
                             ? drive.device
                             : QStringLiteral("%1 (%2)").arg(drive.name, drive.device));
    form->addRow(QCoreApplication::translate("DiscBurn", "&Drive:"), m_drive);
    m_medium = new QLabel(this);
    m_medium->setObjectName(QStringLiteral("lblMedium"));
    m_medium->setTextFormat(Qt::PlainText);
    m_medium->setWordWrap(true);
    form->addRow(QCoreApplication::translate("DiscBurn", "Disc:"), m_medium);
    m_speed = new QComboBox(this);
    m_speed->setObjectName(QStringLiteral("cmbSpeed"));
    m_speed->addItem(QCoreApplication::translate("DiscBurn", "Fastest"), 0);
    for (const int speed : {1, 2, 4, 8, 16, 24, 48})
        m_speed->addItem(QStringLiteral("%1×").arg(speed), speed);
    form->addRow(QCoreApplication::translate("DiscBurn", "&Speed:"), m_speed);
    layout->addLayout(form);
    m_simulate = new QCheckBox(QCoreApplication::translate("DiscBurn", "Si&mulate first"), this);
    m_simulate->setObjectName(QStringLiteral("chkSimulate"));
    m_verify = new QCheckBox(QCoreApplication::translate("DiscBurn", "&Verify the disc after burning"), this);
    m_verify->setObjectName(QStringLiteral("chkVerify"));
    m_verify->setChecked(true);
    m_eject = new QCheckBox(QCoreApplication::translate("DiscBurn", "&Eject the disc when done"), this);
    m_eject->setObjectName(QStringLiteral("chkEject"));
    layout->addWidget(m_simulate);
    layout->addWidget(m_verify);
    layout->addWidget(m_eject);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *burn =
        buttons->addButton(QCoreApplication::translate("DiscBurn", "&Burn"), QDialogButtonBox::AcceptRole);
    burn->setObjectName(QStringLiteral("cmdBurn"));
    buttons->addButton(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmdClose"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(m_drive, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            emit driveChosen(m_drives.at(index).device);
    });
}

BurnOptions BurnDialog::options() const
{
    BurnOptions options;
    options.device = m_drives.value(m_drive->currentIndex()).device;
    options.speed = m_speed->currentData().toInt();
    options.simulate = m_simulate->isChecked();
    options.verify = m_verify->isChecked();
    options.eject = m_eject->isChecked();
    return options;
}

void BurnDialog::showMedium(const QString &text)
{
    m_medium->setText(text);
}

CopyDialog::CopyDialog(const QList<RemovableDrive> &drives, DiscPrompts &prompts, QWidget *parent)
    : QDialog(parent), m_drives(drives)
{
    setObjectName(QStringLiteral("dlgCopy"));
    setWindowTitle(QCoreApplication::translate("DriveCopy", "Copy to Drive"));
    auto *layout = new QVBoxLayout(this);
    auto *caption = new QLabel(
        drives.isEmpty() ? QCoreApplication::translate("DriveCopy", "No USB stick or card is mounted. Insert one, or "
                                                                    "choose a folder.")
                         : QCoreApplication::translate("DriveCopy", "Copy the menu onto:"),
        this);
    caption->setObjectName(QStringLiteral("lblCaption"));
    caption->setWordWrap(true);
    layout->addWidget(caption);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstDrives"));
    for (const RemovableDrive &drive : drives)
        m_list->addItem(drive.shown());
    layout->addWidget(m_list);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *other =
        buttons->addButton(QCoreApplication::translate("DriveCopy", "&Other Folder…"), QDialogButtonBox::ActionRole);
    other->setObjectName(QStringLiteral("cmdOtherFolder"));
    m_copy = buttons->addButton(QCoreApplication::translate("DriveCopy", "&Copy"), QDialogButtonBox::AcceptRole);
    m_copy->setObjectName(QStringLiteral("cmdCopy"));
    buttons->addButton(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmdClose"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(other, &QPushButton::clicked, this, [this, &prompts] {
        const QString folder = prompts.copyFolder(QDir::homePath());
        if (folder.isEmpty())
            return;
        m_drives.append({folder, QString(), QString(), QString(), 0});
        m_list->addItem(QDir::toNativeSeparators(folder));
        m_list->setCurrentRow(m_list->count() - 1);
    });
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) { m_copy->setEnabled(row >= 0); });
    if (!drives.isEmpty())
        m_list->setCurrentRow(0);
    m_copy->setEnabled(m_list->currentRow() >= 0);
}

QString CopyDialog::target() const
{
    return m_drives.value(m_list->currentRow()).root;
}

MediaProgress::MediaProgress(const QString &objectName, QWidget *parent) : QDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(Notices::programTitle());
    setWindowModality(Qt::ApplicationModal);
    auto *layout = new QVBoxLayout(this);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("lblProgress"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setMinimumWidth(360);
    layout->addWidget(m_text);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("barProgress"));
    m_bar->setRange(0, 0);
    layout->addWidget(m_bar);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::rejected, this, &MediaProgress::reject);
    layout->addWidget(buttons);
}

void MediaProgress::setProgress(const QString &text, int percent)
{
    m_text->setText(text);
    // A busy bar until there is a figure.
    if (percent < 0) {
        m_bar->setRange(0, 0);
    } else {
        m_bar->setRange(0, 100);
        m_bar->setValue(percent);
    }
}

void MediaProgress::reject()
{
    // Escape and the title bar's close ask too; the dialog stays until the work has stopped.
    emit cancelRequested();
}
