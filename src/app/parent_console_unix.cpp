#include "app/parent_console.h"

// A program started from a terminal prints to it already.
void useParentConsole()
{
}
