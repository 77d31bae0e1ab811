#pragma once

// What bilvex-send's exit status tells a script, from best to worst.
namespace ExitStatus {
constexpr int Success = 0;      // every echo matched; also help and the port listing
constexpr int WrongEchoes = 1;  // every transfer ran to its end, some echoes did not match
constexpr int InputFault = 2;   // the command line, the settings, a layout or a refused image: nothing sent
constexpr int PortFault = 3;    // the port could not be opened: nothing sent
constexpr int UnitLost = 4;     // the unit went silent, the line was lost or the run was stopped: the rest not sent
}  // namespace ExitStatus
