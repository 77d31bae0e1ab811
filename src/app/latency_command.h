#pragma once

#include <optional>

// bilvex-config --set-latency COMn V, which the window runs with administrator rights: sets
// the FTDI adapter's latency timer and ends. It reads no settings file, opens no port and
// shows no window. The exit status when the command line names the option, nothing when
// it does not.
//   0  written
//   1  no adapter is known by that name, or the write failed
//   2  the command line is not exactly that shape: nothing touched
std::optional<int> setLatencyIfAsked(int argc, char **argv);
