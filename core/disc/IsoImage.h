#pragma once

#include "core/disc/XorrisoMessages.h"
#include "core/model/StepResult.h"

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <functional>

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
    // The data home whose database and style library the image must neither hold nor overwrite.
    void setDataHome(const QString &home) { m_dataHome = home; }

    // The label a disc may carry, made from the menu title: A-Z, 0-9 and "_", at most 32 characters.
    static QString volumeLabel(const QString &title);
    // The menu title made safe for a file name, with ".iso", in the folder that holds the CD root.
    static QString defaultImagePath(const QString &rootFolder, const QString &title);

    // The disc paths the image leaves out: links that lead outside the root, to nothing, or back up into a folder
    // that holds them; pipes, devices and sockets; Velmora's own data when the data home is in the root. As patterns
    // for xorriso's -m, which match nothing else.
    static QStringList excludedPaths(const QString &rootFolder, const QString &dataHome = {});
    // xorriso's arguments for the image of rootFolder (canonical), without the output: the image itself and its
    // size are made with the same ones.
    static QStringList imageArguments(const QString &rootFolder, const QString &title, const QStringList &excluded);
    // The image's size in 2048-byte sectors as xorriso foresees it, or why xorriso cannot be run or cannot tell.
    // keepGoing is asked now and then; false stops xorriso.
    static StepValue<qint64> printSize(const QString &program, const QString &rootFolder, const QString &title,
                                       const QString &dataHome = {}, const std::function<bool()> &keepGoing = {});
    // The program found on the search path, or as given when it is a path; empty when there is none.
    static QString findProgram(const QString &program);

    // Starts writing the image of rootFolder, labelled from the menu title, to target; a failure when it cannot
    // start. finished() follows a started image.
    StepResult start(const QString &rootFolder, const QString &title, const QString &target);
    // Starts and waits, handling events meanwhile: the image's result().
    StepResult run(const QString &rootFolder, const QString &title, const QString &target);
    // Waits for a started image, handling events meanwhile: its result().
    StepResult wait();
    // Stops xorriso and removes the partial image; finished(false) follows.
    void cancel();

    bool isRunning() const { return m_process != nullptr; }
    bool wasCancelled() const { return m_cancelled; }
    // Success once the image is complete and stands under the target's name; otherwise why it is not.
    StepResult result() const { return m_result; }
    // While running: xorriso's process and the file the image grows in, for a signal handler that must remove it.
    qint64 processId() const { return m_process ? m_process->processId() : 0; }
    QString temporaryPath() const { return m_temporary; }

signals:
    void progress(int percent);
    void finished(bool ok);

private:
    StepResult launch(const QString &rootFolder, const QString &title, const QString &target);
    void readOutput();
    void processFinished(int exitCode, QProcess::ExitStatus status);
    void processFailed(QProcess::ProcessError error);
    void finish(bool ok, const QString &error);

    QString m_program = QStringLiteral("xorriso");
    QString m_dataHome;
    QProcess *m_process = nullptr;
    QString m_temporary;
    QString m_target;
    XorrisoMessages m_messages;
    int m_percent = -1;
    bool m_cancelled = false;
    StepResult m_result = StepResult::failure(QString());
};
