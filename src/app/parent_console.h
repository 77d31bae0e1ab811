#pragma once

// A window program gets no console of its own: what it prints for --help, --version and
// --report goes to the console of the cmd it was started from, unless it is redirected.
// Called before the first line is printed.
void useParentConsole();
