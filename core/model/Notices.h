#pragma once

#include <QString>
#include <QStringList>

// The message boxes Velmora shows. The window passes its implementation in; tests pass a recording fake.
class Notices
{
public:
    virtual ~Notices() = default;

    // Every box carries this title: a single blank.
    static QString title() { return QStringLiteral(" "); }
    // The title of the few boxes that name the program instead.
    static QString programTitle() { return QStringLiteral("Velmora Wizard"); }

    // Information icon, OK.
    virtual void information(const QString &text) = 0;
    // Question icon, Yes and No; true for Yes.
    virtual bool question(const QString &text) = 0;
    // Question icon, one button a text, the first the default; the index of the button chosen, the last one when
    // the box is closed otherwise.
    virtual int choose(const QString &text, const QStringList &buttons) = 0;
    // No icon, OK.
    virtual void plain(const QString &text) = 0;
    // No icon, OK, titled with the program's name.
    virtual void plainTitled(const QString &text) = 0;
};
