#include "core/platform/ReplacingFileDevice.h"

#include "core/platform/ReplacingFile.h"

ReplacingFileDevice::ReplacingFileDevice(ReplacingFile &file) : m_file(file)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    m_writer = std::thread([this] { writeQueued(); });
}

ReplacingFileDevice::~ReplacingFileDevice()
{
    finish();
}

StepResult ReplacingFileDevice::finish()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_closing = true;
    }
    m_changed.notify_all();
    if (m_writer.joinable())
        m_writer.join();
    return m_failed ? StepResult::failure(m_error) : StepResult::success();
}

qint64 ReplacingFileDevice::writeData(const char *data, qint64 size)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return m_waiting.size() < maxWaiting || m_failed; });
    if (m_failed)
        return -1;
    m_waiting.emplace_back(data, size);
    m_changed.notify_all();
    return size;
}

void ReplacingFileDevice::writeQueued()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return !m_waiting.empty() || m_closing; });
        if (m_waiting.empty())
            return;
        const QByteArray piece = std::move(m_waiting.front());
        m_waiting.pop_front();
        const bool failedBefore = m_failed;
        lock.unlock();
        const StepResult written = failedBefore ? StepResult::success() : m_file.write(piece.constData(), piece.size());
        lock.lock();
        if (!written) {
            m_failed = true;
            m_error = written.error;
        }
        m_changed.notify_all();
    }
}
