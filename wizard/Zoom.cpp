#include "wizard/Zoom.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

const char scaleVariable[] = "QT_SCALE_FACTOR";
const QString settingKey = QStringLiteral("Window/Zoom");

// The program's own settings file, whichever program asks (the window, or a test of it).
const QSettings::Format format = QSettings::NativeFormat;

std::unique_ptr<QSettings> settings()
{
    return std::make_unique<QSettings>(format, QSettings::UserScope, QStringLiteral("Velmora"),
                                       QStringLiteral("Velmora"));
}

int &thisRun()
{
    static int percent = Zoom::normal;
    return percent;
}

bool &setByUs()
{
    static bool set = false;
    return set;
}

} // namespace

namespace Zoom {

QList<int> steps()
{
    return {100, 125, 150, 175, 200};
}

bool isAccepted(int percent)
{
    return percent >= 50 && percent <= 400;
}

int nextStep(int percent, int direction)
{
    const QList<int> all = steps();
    if (direction > 0) {
        const auto up = std::upper_bound(all.cbegin(), all.cend(), percent);
        return up == all.cend() ? all.last() : *up;
    }
    const auto down = std::lower_bound(all.cbegin(), all.cend(), percent);
    return down == all.cbegin() ? all.first() : *(down - 1);
}

int forScreen(int screenHeight, int windowHeight)
{
    if (screenHeight <= 0 || windowHeight <= 0)
        return normal;
    const double wanted = 100.0 * screenHeight / 2 / windowHeight;
    const QList<int> all = steps();
    return *std::min_element(all.cbegin(), all.cend(),
                             [wanted](int a, int b) { return std::abs(a - wanted) < std::abs(b - wanted); });
}

int stored()
{
    const int percent = settings()->value(settingKey).toInt();
    return isAccepted(percent) ? percent : 0;
}

bool store(int percent)
{
    const std::unique_ptr<QSettings> kept = settings();
    kept->setValue(settingKey, percent);
    kept->sync();
    return kept->status() == QSettings::NoError;
}

QString settingsFile()
{
    return settings()->fileName();
}

int current()
{
    return thisRun();
}

void setForThisRun(int percent)
{
    thisRun() = percent;
    setByUs() = true;
    qputenv(scaleVariable, QByteArray::number(percent / 100.0));
}

void prepareStart(int &argc, char **argv, int windowHeight)
{
    if (setByUs())
        return;
    if (qEnvironmentVariableIsSet(scaleVariable)) {
        // Set from outside: it holds, and the menu shows it.
        thisRun() = int(std::lround(qEnvironmentVariable(scaleVariable).toDouble() * 100));
        if (!isAccepted(thisRun()))
            thisRun() = normal;
        return;
    }
    int percent = stored();
    if (percent == 0) {
        QGuiApplication look(argc, argv);
        const QScreen *screen = QGuiApplication::primaryScreen();
        percent = forScreen(screen ? screen->availableGeometry().height() : 0, windowHeight);
        store(percent); // a settings file that cannot be written asks again next time
    }
    if (percent != normal)
        setForThisRun(percent);
}

void startMade()
{
    if (setByUs())
        qunsetenv(scaleVariable);
}

} // namespace Zoom
