/* Start.exe: the starter on the CD. AUTORUN.INF runs it when the disc is inserted; it opens the menu beside it,
 * Index.hta as an HTML application, or Index.htm in the browser when the application copy cannot be opened. */
#define WIN32_LEAN_AND_MEAN
#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#include <windows.h>
#include <shellapi.h>

#define PATH_CAPACITY 32768

static wchar_t folder[PATH_CAPACITY];
static wchar_t page[PATH_CAPACITY];

/* The folder of this program, with its trailing backslash; 0 when it cannot be told. */
static int findOwnFolder(void)
{
    DWORD length = GetModuleFileNameW(NULL, folder, PATH_CAPACITY);
    if (length == 0 || length >= PATH_CAPACITY)
        return 0;
    while (length > 0 && folder[length - 1] != L'\\' && folder[length - 1] != L'/')
        --length;
    folder[length] = L'\0';
    return length > 0;
}

static int openPage(const wchar_t *name)
{
    if (lstrlenW(folder) + lstrlenW(name) >= PATH_CAPACITY)
        return 0;
    lstrcpyW(page, folder);
    lstrcatW(page, name);
    if (GetFileAttributesW(page) == INVALID_FILE_ATTRIBUTES)
        return 0;
    /* ShellExecute reports success with a value above 32. */
    return (INT_PTR)ShellExecuteW(NULL, NULL, page, NULL, folder, SW_SHOWNORMAL) > 32;
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR commandLine, int show)
{
    (void)instance;
    (void)previous;
    (void)commandLine;
    (void)show;
    if (findOwnFolder() && (openPage(L"Index.hta") || openPage(L"Index.htm")))
        return 0;
    MessageBoxW(NULL, L"The menu of this disc (Index.hta or Index.htm) could not be opened.", L" ",
                MB_OK | MB_ICONINFORMATION);
    return 1;
}
