#include "cli/error_output.h"

#include <unistd.h>

bool errorOutputIsTerminal()
{
    return ::isatty(STDERR_FILENO) == 1;
}

// A terminal here takes UTF-8 as it is.
void prepareConsole()
{
}
