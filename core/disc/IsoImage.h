#pragma once

#include <QObject>
#include <QProcess>
#include <QString>

// Writes an ISO 9660 image of a CD root, with Joliet and Rock Ridge, by running xorriso as a separate program.
// The image is written under a hidden temporary name beside the target and renamed once complete, so a failed or
// cancelled image never stands under the target's name.
class IsoImage : public QObject
{
    Q_OBJECT

public:
    explicit IsoImage(QObject *parent = nullptr);
    ~IsoImage() override;

    // The program to run; "xorriso" found on the search path unless set.
    void setProgram(const QString &program) { m_program = program; }

    // The label a disc may carry, made from the menu title: A-Z, 0-9 and "_", at most 32 characters.
    static QString volumeLabel(const QString &title);
    // The menu title made safe for a file name, with ".iso", in the folder that holds the CD root.
    static QString defaultImagePath(const QString &rootFolder, const QString &title);

    // Starts writing the image of rootFolder, labelled from the menu title, to target; false (with errorString())
    // when it cannot start. finished() follows a true return.
    bool start(const QString &rootFolder, const QString &title, const QString &target);
    // Starts and waits, handling events meanwhile; true when the image is complete.
    bool run(const QString &rootFolder, const QString &title, const QString &target);
    // Stops xorriso and removes the partial image; finished(false) follows.
    void cancel();

    bool isRunning() const { return m_process != nullptr; }
    bool wasCancelled() const { return m_cancelled; }
    QString errorString() const { return m_error; }

signals:
    void progress(int percent);
    void finished(bool ok);

private:
    void readOutput();
    void processFinished(int exitCode, QProcess::ExitStatus status);
    void processFailed(QProcess::ProcessError error);
    void finish(bool ok, const QString &error);

    QString m_program = QStringLiteral("xorriso");
    QProcess *m_process = nullptr;
    QString m_temporary;
    QString m_target;
    QByteArray m_pending;    // an unfinished line of xorriso's messages
    QStringList m_lastLines; // for the message when xorriso fails
    int m_percent = -1;
    bool m_cancelled = false;
    bool m_ok = false;
    QString m_error;
};
