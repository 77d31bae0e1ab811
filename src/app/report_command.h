#pragma once

#include <optional>

// bilvex-config --report FILE.pdf [--settings FILE]: writes the site report from the settings
// file and ends, with no window and no display. The exit status when the command line asks
// for a report, nothing when it does not.
//   0  written
//   1  the PDF could not be written
//   2  the command line or the settings file is at fault: nothing written
std::optional<int> writeReportIfAsked(int argc, char **argv);
