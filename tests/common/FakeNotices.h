#pragma once

#include "core/platform/Notices.h"

#include <QList>
#include <QQueue>
#include <QStringList>

// Records every notice and answers questions from a script (No when the script is empty).
class FakeNotices : public Notices
{
public:
    enum class Kind { Information, Question, Plain, PlainTitled };

    struct Shown
    {
        Kind kind;
        QString text;
    };

    void information(const QString &text) override { m_shown.append({Kind::Information, text}); }
    bool question(const QString &text) override
    {
        m_shown.append({Kind::Question, text});
        return m_answers.isEmpty() ? false : m_answers.dequeue();
    }
    void plain(const QString &text) override { m_shown.append({Kind::Plain, text}); }
    void plainTitled(const QString &text) override { m_shown.append({Kind::PlainTitled, text}); }

    void setNextAnswer(bool yes) { m_answers.enqueue(yes); }
    const QList<Shown> &shown() const { return m_shown; }
    QStringList texts() const
    {
        QStringList result;
        for (const Shown &notice : m_shown)
            result.append(notice.text);
        return result;
    }
    int pendingAnswers() const { return int(m_answers.size()); }
    void clear()
    {
        m_shown.clear();
        m_answers.clear();
    }

private:
    QList<Shown> m_shown;
    QQueue<bool> m_answers;
};
