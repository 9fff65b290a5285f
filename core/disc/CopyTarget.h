#pragma once

#include "core/model/StepResult.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>

// A file or folder already on a copy's target, named below the target's top, "/" separated.
struct TargetEntry
{
    QString relative;
    bool folder = false;
    qint64 size = 0;
    QDateTime modified;
};

// Where a copy of a CD root goes: a mounted folder, or a FAT image file. DriveCopy decides what to write and in
// which order; a target only knows how to write, read back, rename and flush on its medium.
class CopyTarget
{
public:
    // Called with the bytes written since the last call; false stops the write.
    using Written = std::function<bool(qint64 bytes)>;

    virtual ~CopyTarget() = default;

    // For messages: the folder or image file.
    virtual QString shown() const = 0;
    virtual QString fileSystemType() const = 0;
    virtual qint64 bytesFree() const = 0;
    // Files take whole clusters of this many bytes.
    virtual qint64 clusterBytes() const = 0;
    // Whether the times it lists are exact to the second (FAT's two aside); when not, a file of the same size is
    // compared by its content.
    virtual bool listsExactTimes() const = 0;

    // Every file and folder on it, a folder before what it holds; a failure when it cannot be read.
    virtual StepValue<QList<TargetEntry>> entries() = 0;
    virtual StepResult makeFolder(const QString &relative) = 0;
    // Writes source under the name relative (a temporary one) with the given time, onto the medium itself, and
    // returns the MD5 of the bytes read from source while writing.
    virtual StepValue<QByteArray> write(const QString &source, const QString &relative, const QDateTime &modified,
                                        const Written &written) = 0;
    // The MD5 of the file as read back from the medium.
    virtual StepValue<QByteArray> readBack(const QString &relative) = 0;
    // Puts the file from under its temporary name under its own, replacing what stood there.
    virtual StepResult rename(const QString &from, const QString &to) = 0;
    virtual StepResult remove(const QString &relative) = 0;
    // Waits until everything written is on the medium.
    virtual StepResult flush() = 0;
};
