#include "error_output.h"

#include <cstdio>
#include <io.h>
#include <windows.h>

bool errorOutputIsTerminal()
{
    return _isatty(_fileno(stderr)) != 0;
}

// A Windows console shows text in its own code page (850 or 857 in Turkey) unless told
// that UTF-8 comes.
void prepareConsole()
{
    SetConsoleOutputCP(CP_UTF8);
}
