#pragma once

#include "wizard/platform/CommonDialog.h"

#include <QList>
#include <QQueue>

// A common dialog that answers each show from a script: confirm with a colour, a font or a file name, or cancel.
// It records what each show was asked for, with the settings in force at that moment.
class FakeCommonDialog : public CommonDialog
{
public:
    enum class Kind { Color, Font, Open };

    struct Answer
    {
        bool confirm = false;
        qint32 color = 0;
        QString fontName;
        float fontSize = 0;
        bool fontBold = false;
        QString fileName;
    };

    struct Shown
    {
        Kind kind;
        int flags;
        qint32 color;
        QString fontName;
        float fontSize;
        bool fontBold;
        QString fileName;
        QString filter;
        QString defaultExt;
        QString initDir;
    };

    void confirmColor(qint32 color) { m_answers.enqueue({true, color, {}, 0, false, {}}); }
    void confirmFont(const QString &name, float size, bool bold) { m_answers.enqueue({true, 0, name, size, bold, {}}); }
    // Confirms whatever the dialog was preset to.
    void confirmAsShown() { m_answers.enqueue({true, -1, {}, -1, false, {}}); }
    void confirmFile(const QString &fileName) { m_answers.enqueue({true, 0, {}, 0, false, fileName}); }
    void cancelNext() { m_answers.enqueue({}); }

    const QList<Shown> &shown() const { return m_shown; }
    int pendingAnswers() const { return int(m_answers.size()); }

    bool ShowColor() override
    {
        const Answer answer = next(Kind::Color);
        if (answer.confirm && answer.color != -1) // -1: as shown; other negative values are system colours
            Color = answer.color;
        return answer.confirm;
    }
    bool ShowFont() override
    {
        const Answer answer = next(Kind::Font);
        if (answer.confirm && answer.fontSize >= 0) {
            FontName = answer.fontName;
            FontSize = answer.fontSize;
            FontBold = answer.fontBold;
        }
        return answer.confirm;
    }
    bool ShowOpen() override
    {
        const Answer answer = next(Kind::Open);
        if (answer.confirm)
            FileName = answer.fileName;
        return answer.confirm;
    }

private:
    Answer next(Kind kind)
    {
        m_shown.append({kind, Flags, Color, FontName, FontSize, FontBold, FileName, Filter, DefaultExt, InitDir});
        return m_answers.isEmpty() ? Answer{} : m_answers.dequeue();
    }

    QList<Shown> m_shown;
    QQueue<Answer> m_answers;
};
