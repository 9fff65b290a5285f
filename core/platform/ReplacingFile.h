#pragma once

#include "core/model/StepResult.h"

#include <QFile>
#include <QString>
#include <memory>

// A file written beside its destination under a hidden temporary name (TemporaryFiles) and renamed over it once complete, so that a
// failure, or the program stopping half-way, leaves the earlier file whole. Unlike QSaveFile it never follows a
// link: a link under the destination's name is replaced by the file, its target is never opened. It keeps an
// earlier regular file's permissions and refuses one that is not writable. Nor does it wait for the disk:
// a page of a large menu would take longer to flush than to make. A machine that loses power just after a build
// may lose the page; the next build makes it again.
class ReplacingFile
{
public:
    explicit ReplacingFile(const QString &path);
    ~ReplacingFile(); // closes and removes the temporary file unless committed
    ReplacingFile(const ReplacingFile &) = delete;
    ReplacingFile &operator=(const ReplacingFile &) = delete;

    // Each step fails with the system's reason; after a failure every later step fails with that first reason.
    StepResult open();
    StepResult write(const char *data, qint64 size);
    // Copies the rest of an open file in (by the kernel where it can).
    StepResult copyFrom(QFile &source);
    // Renames the temporary file over the destination.
    StepResult commit();

private:
    StepResult fail(const QString &error);
    StepResult failedBefore() const { return StepResult::failure(m_error); }

    QString m_path;      // the name to replace, a link or not
    QString m_temporary; // empty until opened
    std::unique_ptr<QFile> m_file;
    bool m_replacesExisting = false;
    QString m_error;
};
