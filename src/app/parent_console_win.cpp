#include "app/parent_console.h"

#include <cstdio>
#include <cstdlib>
#include <windows.h>

namespace {

UINT codePageFound = 0;

// The console is the user's: it gets its code page back, however the program ends.
void restoreCodePage()
{
    SetConsoleOutputCP(codePageFound);
}

bool redirected(DWORD stream)
{
    return GetFileType(GetStdHandle(stream)) != FILE_TYPE_UNKNOWN;
}

}  // namespace

void useParentConsole()
{
    const bool outputRedirected = redirected(STD_OUTPUT_HANDLE);
    const bool errorsRedirected = redirected(STD_ERROR_HANDLE);
    if ((outputRedirected && errorsRedirected) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    FILE *reopened = nullptr;
    if (!outputRedirected)
        freopen_s(&reopened, "CONOUT$", "w", stdout);
    if (!errorsRedirected)
        freopen_s(&reopened, "CONOUT$", "w", stderr);
    // The words are UTF-8; a Turkish console shows code page 857 unless told.
    codePageFound = GetConsoleOutputCP();
    if (codePageFound != 0 && SetConsoleOutputCP(CP_UTF8))
        std::atexit(restoreCodePage);
}
