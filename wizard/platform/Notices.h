#pragma once

#include <QString>

// The message boxes Velmora shows. The window passes its implementation in; tests pass a recording fake.
class Notices
{
public:
    virtual ~Notices() = default;

    // Every box carries this title: a single blank.
    static QString title() { return QStringLiteral(" "); }

    // Information icon, OK.
    virtual void information(const QString &text) = 0;
    // Question icon, Yes and No; true for Yes.
    virtual bool question(const QString &text) = 0;
    // No icon, OK.
    virtual void plain(const QString &text) = 0;
};
