#pragma once

#include <QObject>
#include <QString>

class Notices;

// Opens a page in the desktop's browser through xdg-open, and tells in a notice when that fails, with the reason and
// the page's path: xdg-open missing, or no browser that it could start. A browser that runs stays running; only a
// failure within the first seconds is reported, since a browser may run in the foreground and end much later.
class BrowserOpener : public QObject
{
    Q_OBJECT

public:
    explicit BrowserOpener(Notices &notices, QObject *parent = nullptr);

    // The opener to run; "xdg-open" found on the search path unless set.
    void setProgram(const QString &program) { m_program = program; }
    void open(const QString &file);

    // The notice for a page that could not be opened.
    static QString failureText(const QString &file, const QString &reason);

signals:
    // The opener ended or was left running; failed tells whether a notice was shown.
    void done(bool failed);

private:
    Notices &m_notices;
    QString m_program;
};
