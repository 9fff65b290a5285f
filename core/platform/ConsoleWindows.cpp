#include "core/platform/Console.h"

#include <cstdio>
#include <cstdlib>

#include <qt_windows.h>
#include <shellapi.h>

namespace Console {

QStringList arguments(int, char *[])
{
    // argv holds the ANSI code page's version of the command line, which loses every other character.
    QStringList arguments;
    int count = 0;
    if (wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            arguments.append(QString::fromWCharArray(wide[i]));
        LocalFree(wide);
    }
    return arguments;
}

namespace {

UINT earlierCodePage = 0;

void restoreCodePage()
{
    if (earlierCodePage != 0)
        SetConsoleOutputCP(earlierCodePage);
}

bool isUsable(DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

} // namespace

void prepareForCommand()
{
    // Output that is redirected (a pipe, a file) is left as it is and gets UTF-8. A window program started from cmd
    // or PowerShell has no console of its own: it writes to its parent's.
    const bool outUsable = isUsable(STD_OUTPUT_HANDLE);
    const bool errUsable = isUsable(STD_ERROR_HANDLE);
    if ((!outUsable || !errUsable) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        if (!outUsable)
            std::freopen("CONOUT$", "w", stdout);
        if (!errUsable)
            std::freopen("CONOUT$", "w", stderr);
    }
    // The console shows what is written as UTF-8, whatever its code page was; it gets its own back at the end.
    const UINT codePage = GetConsoleOutputCP();
    if (codePage != 0 && codePage != CP_UTF8 && SetConsoleOutputCP(CP_UTF8)) {
        earlierCodePage = codePage;
        std::atexit(restoreCodePage);
    }
}

bool hasDisplay(int, char *[])
{
    return true; // Windows always has its desktop
}

void reportSizeLimitsAsErrors() {}

} // namespace Console
