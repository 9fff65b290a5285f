#pragma once

#include "core/disc/CopyTarget.h"

// A copy's target that is a folder of a mounted file system: a USB stick, a card, any folder.
class FolderTarget : public CopyTarget
{
public:
    explicit FolderTarget(const QString &folder);

    QString shown() const override;
    QString fileSystemType() const override;
    qint64 bytesFree() const override;
    qint64 clusterBytes() const override;
    bool listsExactTimes() const override { return true; }

    StepValue<QList<TargetEntry>> entries() override;
    StepResult makeFolder(const QString &relative) override;
    StepValue<QByteArray> write(const QString &source, const QString &relative, const QDateTime &modified,
                                const Written &written) override;
    StepValue<QByteArray> readBack(const QString &relative) override;
    StepResult rename(const QString &from, const QString &to) override;
    StepResult remove(const QString &relative) override;
    StepResult flush() override;

private:
    QString path(const QString &relative) const;

    QString m_folder;
};
