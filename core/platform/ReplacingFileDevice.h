#pragma once

#include "core/model/StepResult.h"

#include <QByteArray>
#include <QIODevice>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

class ReplacingFile;

// A write-only device over a ReplacingFile, for writers that take any QIODevice. A thread of its own writes the
// pieces, so that making the text and writing it to the file overlap; no more than a few pieces wait at a time, so
// the memory stays bounded whatever the size of the file.
class ReplacingFileDevice : public QIODevice
{
public:
    explicit ReplacingFileDevice(ReplacingFile &file);
    ~ReplacingFileDevice() override;

    // Waits until every piece is written; fails with the first write's reason.
    StepResult finish();

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override;

private:
    static constexpr size_t maxWaiting = 4;

    void writeQueued();

    ReplacingFile &m_file;
    std::thread m_writer;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<QByteArray> m_waiting;
    bool m_closing = false;
    bool m_failed = false;
    QString m_error; // the failed write's reason
};
