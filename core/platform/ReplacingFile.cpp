#include "core/platform/ReplacingFile.h"

#include "core/platform/FileOps.h"
#include "core/platform/TemporaryFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

ReplacingFile::ReplacingFile(const QString &path) : m_path(path) {}

ReplacingFile::~ReplacingFile()
{
    if (m_file) {
        m_file->close();
        QFile::remove(m_temporary);
    }
}

StepResult ReplacingFile::fail(const QString &error)
{
    m_error = error;
    if (m_file) {
        m_file->close();
        QFile::remove(m_temporary);
        m_file.reset();
    }
    return failedBefore();
}

StepResult ReplacingFile::open()
{
    const QString shown = QDir::toNativeSeparators(m_path);
    const QFileInfo existing(m_path);
    // A link under the name is replaced by the new file like a missing one: its target is left alone.
    m_replacesExisting = !existing.isSymLink() && existing.exists();
    if (m_replacesExisting && existing.isDir())
        return fail(QCoreApplication::translate("Build", "%1 is a folder").arg(shown));
    if (m_replacesExisting && !existing.isFile())
        return fail(QCoreApplication::translate("Build", "%1 is not a regular file").arg(shown));
    if (m_replacesExisting && !existing.isWritable())
        return fail(QCoreApplication::translate("Build", "Existing file %1 is not writable").arg(shown));
    // Until the earlier file's permissions are copied, the new one is the owner's alone.
    const QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = TemporaryFiles::nameFor(existing.absolutePath(), existing.fileName());
        auto file = std::make_unique<QFile>(name);
        // NewOnly creates the file itself: it never follows a link that someone put under the name.
        const QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered;
        if (m_replacesExisting ? file->open(mode, ownerOnly) : file->open(mode)) {
            m_temporary = name;
            m_file = std::move(file);
            return StepResult::success();
        }
        if (!QFileInfo::exists(name) && !QFileInfo(name).isSymLink())
            return fail(file->errorString());
    }
    return fail(QCoreApplication::translate("Build", "No unused temporary file name beside %1").arg(shown));
}

StepResult ReplacingFile::write(const char *data, qint64 size)
{
    if (!m_file)
        return failedBefore();
    const FileOps::Result written = FileOps::writeAll(*m_file, data, size);
    return written ? StepResult::success() : fail(written.error);
}

StepResult ReplacingFile::copyFrom(QFile &source)
{
    if (!m_file)
        return failedBefore();
    // In the kernel, without passing the bytes through this process; where that cannot be done the loop below
    // copies what is left.
    const FileOps::Result kernel = FileOps::copyInKernel(source.handle(), m_file->handle());
    if (FileOps::isDone(kernel))
        return StepResult::success();
    if (!kernel.ok)
        return fail(kernel.error);
    FileOps::followKernelPositions(source, *m_file);
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 got = source.read(buffer.data(), buffer.size());
        if (got < 0)
            return fail(QCoreApplication::translate("Build", "Cannot read %1: %2")
                            .arg(QDir::toNativeSeparators(source.fileName()), source.errorString()));
        if (got == 0)
            return StepResult::success();
        if (const StepResult written = write(buffer.constData(), got); !written)
            return written;
    }
}

StepResult ReplacingFile::commit()
{
    if (!m_file)
        return failedBefore();
    m_file->close();
    if (m_file->error() != QFileDevice::NoError)
        return fail(m_file->errorString());
    if (m_replacesExisting && !QFile::setPermissions(m_temporary, QFileInfo(m_path).permissions()))
        return fail(QCoreApplication::translate("Build", "Cannot keep the permissions of %1")
                        .arg(QDir::toNativeSeparators(m_path)));
    if (m_replacesExisting) {
        // Swapping the two names keeps the whole earlier or the whole new file under the name at every moment, and
        // spares the flush to disk that some file systems make before a rename over an existing file.
        const FileOps::Result swapped = FileOps::exchangeNames(m_temporary, m_path);
        if (FileOps::isDone(swapped)) {
            QFile::remove(m_temporary);
            m_file.reset();
            return StepResult::success();
        }
        if (!swapped.ok)
            return fail(swapped.error);
    }
    // Where names cannot be swapped, one rename over the earlier file is just as whole.
    const FileOps::Result renamed = FileOps::replaceName(m_temporary, m_path);
    if (!renamed.ok)
        return fail(renamed.error);
    m_file.reset();
    return StepResult::success();
}
