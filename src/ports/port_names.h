#pragma once

#include <QString>

#include <optional>

// Which device a COM port number names on this platform.

// The COM port number the operator's text gives (" 3" is 3); none for "", "abc", 0 or less.
std::optional<int> comPortNumber(const QString &portText);

// Linux: the target of the symlink ports/comN beside the settings file, else /dev/ttyS(n-1);
// Windows: COMn.
QString comPortDeviceName(int portNumber);

// A device name as a user typed it, as the system's serial port takes it. Windows: "com12"
// is COM12 (Qt finds a COM port only by its upper-case name). Linux: unchanged.
QString givenDeviceName(const QString &typed);
