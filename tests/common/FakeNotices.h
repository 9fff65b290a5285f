#pragma once

#include "wizard/Notices.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <functional>

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

    void information(const QString &text) override
    {
        m_shown.append({Kind::Information, text});
        if (m_onShown)
            m_onShown(text);
    }
    bool question(const QString &text) override
    {
        m_shown.append({Kind::Question, text});
        return m_answers.isEmpty() ? false : m_answers.dequeue();
    }
    // Recorded as a question: a scripted choice, else a scripted Yes picks the first button, No the last.
    int choose(const QString &text, const QStringList &buttons) override
    {
        m_shown.append({Kind::Question, text});
        m_buttons = buttons;
        if (!m_choices.isEmpty())
            return m_choices.dequeue();
        const bool yes = !m_answers.isEmpty() && m_answers.dequeue();
        return yes ? 0 : int(buttons.size()) - 1;
    }
    void plain(const QString &text) override { m_shown.append({Kind::Plain, text}); }
    void plainTitled(const QString &text) override { m_shown.append({Kind::PlainTitled, text}); }

    void setNextAnswer(bool yes) { m_answers.enqueue(yes); }
    // Called with each information notice as it is shown.
    void onShown(std::function<void(const QString &)> call) { m_onShown = std::move(call); }
    void setNextChoice(int button) { m_choices.enqueue(button); }
    // The buttons of the last choice offered.
    const QStringList &lastButtons() const { return m_buttons; }
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
        m_choices.clear();
    }

private:
    QList<Shown> m_shown;
    QQueue<bool> m_answers;
    QQueue<int> m_choices;
    QStringList m_buttons;
    std::function<void(const QString &)> m_onShown;
};
