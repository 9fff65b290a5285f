#pragma once

#include "core/disc/CopyTarget.h"

#include <QStringList>

// A copy's target that is a FAT file-system image (for a card or stick to be written from it), reached through
// mtools without mounting it. mtools lists times to the minute only, so files of the same size are compared by
// their content.
class FatImageTarget : public CopyTarget
{
public:
    explicit FatImageTarget(const QString &imageFile);

    // Whether image is a FAT file system mtools can read; why not otherwise.
    static StepResult probe(const QString &imageFile);

    QString shown() const override;
    QString fileSystemType() const override { return QStringLiteral("vfat"); }
    qint64 bytesFree() const override;
    qint64 clusterBytes() const override;
    bool listsExactTimes() const override { return false; }

    StepValue<QList<TargetEntry>> entries() override;
    StepResult makeFolder(const QString &relative) override;
    StepValue<QByteArray> write(const QString &source, const QString &relative, const QDateTime &modified,
                                const Written &written) override;
    StepValue<QByteArray> readBack(const QString &relative) override;
    StepResult rename(const QString &from, const QString &to) override;
    StepResult remove(const QString &relative) override;
    StepResult flush() override;

private:
    struct Run
    {
        bool ok = false;
        QByteArray out;
        QString error;
    };
    // Runs one of mtools' programs on the image; sink, when given, takes what it prints as it comes.
    Run run(const QString &program, const QStringList &arguments,
            const std::function<void(const QByteArray &)> &sink = {}) const;
    StepResult ran(const QString &program, const QStringList &arguments) const;

    QString m_image;
};
