#include "cli/error_output.h"

#include <cstdio>
#include <cstdlib>
#include <io.h>
#include <windows.h>

bool errorOutputIsTerminal()
{
    return _isatty(_fileno(stderr)) != 0;
}

namespace {

UINT codePageFound = 0;

// The console is the user's: it gets its code page back, however the program ends.
void restoreCodePage()
{
    if (codePageFound != 0)
        SetConsoleOutputCP(codePageFound);
}

}  // namespace

// A Windows console shows text in its own code page (850 or 857 in Turkey) unless told
// that UTF-8 comes.
void prepareConsole()
{
    codePageFound = GetConsoleOutputCP();
    if (codePageFound != 0 && SetConsoleOutputCP(CP_UTF8))
        std::atexit(restoreCodePage);
}
