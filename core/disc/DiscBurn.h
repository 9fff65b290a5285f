#pragma once

#include "core/disc/OpticalMedium.h"
#include "core/disc/XorrisoMessages.h"
#include "core/model/StepResult.h"

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <optional>

// What a burn is doing and how far it is.
struct BurnProgress
{
    enum class Phase { Blanking, Writing, Verifying };
    Phase phase = Phase::Writing;
    int percent = 0;
    QString speed;        // as xorriso tells it: "8.0xD"; empty when not told
    int secondsLeft = -1; // -1 until it can be told

    // A progress line of xorriso ("xorriso : UPDATE : Writing: 64015s 43.2% fifo 11% buf 50% 8.0xD"); nothing
    // when the line is none. The time left is not in the line.
    static std::optional<BurnProgress> parse(const QString &line);
};

// What to burn and how.
struct BurnOptions
{
    QString device;        // as xorriso names it: /dev/sr0, or stdio:FILE for a file that stands for a disc
    int speed = 0;         // times the medium's base speed; 0: the fastest
    bool simulate = false; // the laser stays off: everything but the writing happens
    bool verify = true;    // read the disc back and compare it with the checksums recorded while writing
    bool eject = false;
    bool blank = false; // erase a rewritable disc first (the user has agreed)
    QString dataHome;   // its database and style library go on no disc, and no pseudo-drive may be one of them
};

// Burns the same image that IsoImage makes (the same arguments), straight from the CD root onto a disc, by running
// xorriso, which records an MD5 of each file and of the session while it writes; then reads the disc back against
// them. xorriso ends with Velmora.
class DiscBurn : public QObject
{
    Q_OBJECT

public:
    explicit DiscBurn(QObject *parent = nullptr);
    ~DiscBurn() override;

    void setProgram(const QString &program) { m_program = program; }

    // The optical drives xorriso finds; a failure when xorriso cannot be run.
    static StepValue<QList<OpticalDrive>> drives(const QString &program = QStringLiteral("xorriso"));
    // The medium in the drive; a failure when xorriso cannot read the drive.
    static StepValue<OpticalMedium> medium(const QString &device, const QString &program = QStringLiteral("xorriso"));
    // xorriso's whole command line for burning rootFolder (canonical) with the given options. A simulation on a disc
    // that must be erased first simulates the erase alone: xorriso writes no image over data.
    static QStringList burnArguments(const QString &rootFolder, const QString &title, const BurnOptions &options);
    // Refuses a pseudo-drive (stdio:FILE) that is Velmora's own data in dataHome: burning would overwrite it.
    static StepResult checkDevice(const QString &device, const QString &dataHome);

    // Starts the burn (then the check and the eject); finished() follows a started one.
    StepResult start(const QString &rootFolder, const QString &title, const BurnOptions &options);
    // Starts and waits, handling events meanwhile: the result().
    StepResult run(const QString &rootFolder, const QString &title, const BurnOptions &options);
    StepResult wait();
    // Stops xorriso at once; a write-once disc is then spoiled, so callers ask first.
    void cancel();

    bool isRunning() const { return m_process != nullptr; }
    bool wasCancelled() const { return m_cancelled; }
    // Whether the disc was read back and matched.
    bool wasVerified() const { return m_verified; }
    // The first file that did not read back as written; empty when none did not.
    QString differingFile() const { return m_differing; }
    StepResult result() const { return m_result; }
    qint64 processId() const { return m_process ? m_process->processId() : 0; }

signals:
    void progress(const BurnProgress &progress);
    void finished(bool ok);

private:
    enum class Step { Write, Verify, Eject };
    StepResult launch(Step step, const QStringList &arguments);
    void readOutput();
    void processFinished(int exitCode, QProcess::ExitStatus status);
    void finish(bool ok, const QString &error);

    QString m_program = QStringLiteral("xorriso");
    QString m_found;
    BurnOptions m_options;
    Step m_step = Step::Write;
    QProcess *m_process = nullptr;
    XorrisoMessages m_messages;
    QElapsedTimer m_clock;
    BurnProgress::Phase m_phase = BurnProgress::Phase::Writing;
    bool m_cancelled = false;
    bool m_verified = false;
    QString m_differing;
    StepResult m_result = StepResult::failure(QString());
};

Q_DECLARE_METATYPE(BurnProgress)
