#pragma once

#include <QObject>
#include <QString>

class Notices;
class QProgressDialog;
class QWidget;

// What the user does next after a menu is built.
enum class AfterFinish { OpenInBrowser, MakeImage, Close };

// The question after a successful Finish: the success text, then Open in Browser, Make Disc Image… and Close.
AfterFinish askAfterFinish(Notices &notices, const QString &successText);

// The progress of a disc image: a busy bar until xorriso first reports a percentage, then the percentage. The window
// is wide enough for its whole title, and close() takes it off the screen at once, so that the notice that follows
// is the only window left to answer.
class ImageProgress : public QObject
{
    Q_OBJECT

public:
    explicit ImageProgress(QWidget *parent);
    ~ImageProgress() override;

    void show();
    void setPercent(int percent);
    void close();
    QProgressDialog *dialog() const { return m_dialog; }

signals:
    void canceled();

private:
    QProgressDialog *m_dialog;
};
