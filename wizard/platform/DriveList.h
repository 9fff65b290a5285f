#pragma once

#include <QComboBox>
#include <QStringList>

// The drives of the machine: the roots of the mounted file systems. Choosing one emits driveChanged.
class DriveList : public QComboBox
{
    Q_OBJECT

public:
    explicit DriveList(QWidget *parent = nullptr);

    // The mounted roots, "/" first, then the others in name order.
    static QStringList mountedRoots();
    // The drive that holds path: the longest root that the path lies under; empty when none does.
    static QString driveOf(const QString &path, const QStringList &drives);

    void setDrives(const QStringList &roots);
    QStringList drives() const;
    QString drive() const;
    // Selects a listed drive; false (and nothing changes) when it is not listed.
    bool setDrive(const QString &root);

signals:
    void driveChanged(const QString &root);
};
