#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// bilvex-config --set-latency COMn V: sets the latency timer of the FTDI adapter behind COMn
// to V ms. The only thing the program does with administrator rights, so its command line
// is taken in exactly one shape.
struct LatencyRequest {
    QString portName;  // "COM7", in upper case
    int milliseconds = 0;
};

// What the window's fix asks for: the shortest timer the driver takes.
constexpr int kFixedLatencyMs = 1;

inline const QString kSetLatencyOption = QStringLiteral("--set-latency");

// Whether any argument names the option: the command line is then the command's alone.
bool asksForLatency(const QStringList &arguments);

// {program, "--set-latency", "COMn", "V"} with n 1..256 and V 1..16 in plain decimal digits
// (no sign, no leading zero, no spaces), "com" in any case; none for any other shape.
std::optional<LatencyRequest> parseLatencyRequest(const QStringList &arguments);
