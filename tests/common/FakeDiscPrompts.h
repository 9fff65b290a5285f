#pragma once

#include "wizard/platform/DiscPrompts.h"

#include <QList>
#include <QQueue>
#include <QStringList>

// Records every prompt and answers from a script. Unscripted, each dialog gets its default button: every file
// checked and added, Cancel over problems, the suggested image file.
class FakeDiscPrompts : public DiscPrompts
{
public:
    enum class Kind { ChooseFiles, ContinueDespite, ImageFile, Open };

    struct Shown
    {
        Kind kind;
        QStringList lines; // the rows, the problems, the suggested file or the file opened
    };

    void chooseNext(std::optional<QList<int>> rows) { m_choices.enqueue(std::move(rows)); }
    void continueNext(bool yes) { m_continues.enqueue(yes); }
    void imageFileNext(const QString &file) { m_imageFiles.enqueue(file); }

    std::optional<QList<int>> chooseFiles(const QStringList &rows) override
    {
        m_shown.append({Kind::ChooseFiles, rows});
        if (!m_choices.isEmpty())
            return m_choices.dequeue();
        QList<int> all;
        for (int i = 0; i < rows.size(); ++i)
            all.append(i);
        return all;
    }
    bool continueDespite(const QStringList &problems) override
    {
        m_shown.append({Kind::ContinueDespite, problems});
        return !m_continues.isEmpty() && m_continues.dequeue();
    }
    QString imageFile(const QString &suggested) override
    {
        m_shown.append({Kind::ImageFile, {suggested}});
        return m_imageFiles.isEmpty() ? suggested : m_imageFiles.dequeue();
    }
    void open(const QString &file) override { m_shown.append({Kind::Open, {file}}); }

    const QList<Shown> &shown() const { return m_shown; }
    QList<Shown> shown(Kind kind) const
    {
        QList<Shown> result;
        for (const Shown &prompt : m_shown)
            if (prompt.kind == kind)
                result.append(prompt);
        return result;
    }
    void clear() { m_shown.clear(); }

private:
    QList<Shown> m_shown;
    QQueue<std::optional<QList<int>>> m_choices;
    QQueue<bool> m_continues;
    QQueue<QString> m_imageFiles;
};
