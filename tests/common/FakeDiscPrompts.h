#pragma once

#include "wizard/platform/DiscPrompts.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <functional>
#include <optional>

// Records every prompt and answers from a script. Unscripted, each dialog gets its default button: every file
// checked and added, Cancel over problems, the suggested image file.
class FakeDiscPrompts : public DiscPrompts
{
public:
    enum class Kind { ChooseFiles, ContinueDespite, ImageFile, CopyFolder, Open };

    struct Shown
    {
        Kind kind;
        QStringList lines; // the rows ("title (category): file"), the problems then the notes and the summary, the
                           // suggested file or the file opened
    };

    void chooseNext(std::optional<QList<int>> rows) { m_choices.enqueue(std::move(rows)); }
    // Changes the rows of the next checklist as a user would before Add.
    void editNext(std::function<void(QList<FileRow> &)> edit) { m_edits.enqueue(std::move(edit)); }
    void continueNext(bool yes) { m_continues.enqueue(yes); }
    void imageFileNext(const QString &file) { m_imageFiles.enqueue(file); }
    void copyFolderNext(const QString &folder) { m_copyFolders.enqueue(folder); }

    bool chooseFiles(QList<FileRow> &rows) override
    {
        QStringList shown;
        for (const FileRow &row : rows)
            shown.append(QStringLiteral("%1 (%2): %3").arg(row.title, row.category, row.file));
        m_shown.append({Kind::ChooseFiles, shown});
        if (!m_edits.isEmpty())
            m_edits.dequeue()(rows);
        if (m_choices.isEmpty())
            return true;
        const std::optional<QList<int>> chosen = m_choices.dequeue();
        if (!chosen)
            return false;
        for (int i = 0; i < rows.size(); ++i)
            rows[i].checked = chosen->contains(i);
        return true;
    }
    bool continueDespite(const QStringList &problems, const QStringList &notes, const QString &summary) override
    {
        QStringList lines = problems + notes;
        if (!summary.isEmpty())
            lines.append(summary);
        m_shown.append({Kind::ContinueDespite, lines});
        return !m_continues.isEmpty() && m_continues.dequeue();
    }
    QString imageFile(const QString &suggested) override
    {
        m_shown.append({Kind::ImageFile, {suggested}});
        return m_imageFiles.isEmpty() ? suggested : m_imageFiles.dequeue();
    }
    QString copyFolder(const QString &start) override
    {
        m_shown.append({Kind::CopyFolder, {start}});
        return m_copyFolders.isEmpty() ? QString() : m_copyFolders.dequeue();
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
    QQueue<std::function<void(QList<FileRow> &)>> m_edits;
    QQueue<bool> m_continues;
    QQueue<QString> m_imageFiles;
    QQueue<QString> m_copyFolders;
};
