#pragma once

#include "core/disc/DiscBurn.h"
#include "core/platform/RemovableDrives.h"

#include <QDialog>
#include <QList>

class DiscPrompts;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

// File → Burn to Disc…: the drive, what its disc is, and how to burn. The caller reads the disc of the drive chosen
// (driveChosen) and shows it (showMedium); the burn itself happens after the dialog is closed.
class BurnDialog : public QDialog
{
    Q_OBJECT

public:
    BurnDialog(const QList<OpticalDrive> &drives, QWidget *parent);

    BurnOptions options() const;
    void showMedium(const QString &text);

signals:
    void driveChosen(const QString &device);

private:
    QList<OpticalDrive> m_drives;
    QComboBox *m_drive;
    QLabel *m_medium;
    QComboBox *m_speed;
    QCheckBox *m_simulate;
    QCheckBox *m_verify;
    QCheckBox *m_eject;
};

// File → Copy to Drive…: the mounted removable drives, or any folder chosen with the folder dialog.
class CopyDialog : public QDialog
{
    Q_OBJECT

public:
    CopyDialog(const QList<RemovableDrive> &drives, DiscPrompts &prompts, QWidget *parent);

    // The folder chosen.
    QString target() const;

private:
    QList<RemovableDrive> m_drives;
    QListWidget *m_list;
    QPushButton *m_copy;
};

// The progress of a burn or a copy: a line of what is happening, a bar and Cancel, which only asks for the stop
// (cancelRequested); the work decides whether and when it stops.
class MediaProgress : public QDialog
{
    Q_OBJECT

public:
    MediaProgress(const QString &objectName, QWidget *parent);

    void setProgress(const QString &text, int percent);

signals:
    void cancelRequested();

protected:
    void reject() override;

private:
    QLabel *m_text;
    QProgressBar *m_bar;
};
