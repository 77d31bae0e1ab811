#include "sim_options.h"

#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void failUsage(const QCommandLineParser &parser, const QString &why)
{
    std::fprintf(stderr, "bilvex-unit-sim: %s\n\n%s", qPrintable(why), qPrintable(parser.helpText()));
    std::exit(2);
}

double millisecondsOption(const QCommandLineParser &parser, const QString &name, double fallback)
{
    if (!parser.isSet(name))
        return fallback;
    bool ok = false;
    const double ms = parser.value(name).toDouble(&ok);
    if (!ok || !(ms >= 0 && ms <= 1000))
        failUsage(parser, QStringLiteral("--%1 needs milliseconds from 0 to 1000").arg(name));
    return ms;
}

std::optional<int> byteIndexOption(const QCommandLineParser &parser, const QString &name)
{
    if (!parser.isSet(name))
        return std::nullopt;
    bool ok = false;
    const int index = parser.value(name).toInt(&ok);
    if (!ok || index < 0)
        failUsage(parser, QStringLiteral("--%1 needs a byte index of 0 or more").arg(name));
    return index;
}

}  // namespace

SimOptions parseSimOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Simulated control unit on a pseudo-terminal: answers the start byte, echoes every further "
                       "byte and prints a decoded summary of what it received when it ends (SIGTERM, SIGINT).\n"
                       "The first line printed is the device path. A transfer starts with the first byte after "
                       "0.5 s of silence; byte K counts from 0, the first byte after that start byte."));
    const QCommandLineOption help = parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("link"), QStringLiteral("Create a symlink PATH to the device."), QStringLiteral("PATH")},
        {QStringLiteral("record"), QStringLiteral("Write every byte received to FILE."), QStringLiteral("FILE")},
        {QStringLiteral("pace"), QStringLiteral("Take 10/9600 s per byte each way, like a 9600 baud line.")},
        {QStringLiteral("wrong-echo-at"), QStringLiteral("Answer byte K of each transfer wrongly."),
         QStringLiteral("K")},
        {QStringLiteral("double-at"), QStringLiteral("Echo byte K of each transfer twice."), QStringLiteral("K")},
        {QStringLiteral("silent-after"), QStringLiteral("Answer no byte from K on in each transfer."),
         QStringLiteral("K")},
        {QStringLiteral("hangup-after"), QStringLiteral("Drop the line when byte K arrives."), QStringLiteral("K")},
        {QStringLiteral("split-start-answer"),
         QStringLiteral("Answer the start byte with two bytes, the second --late-gap after the first.")},
        {QStringLiteral("stray-at"), QStringLiteral("Follow the echo of byte K with a stray 0x00, --late-gap later."),
         QStringLiteral("K")},
        {QStringLiteral("late-gap"), QStringLiteral("Milliseconds between an answer and its late piece (default 1)."),
         QStringLiteral("MS")},
        {QStringLiteral("echo-delay"),
         QStringLiteral("Hold every answer MS milliseconds, as a USB adapter's latency timer does."),
         QStringLiteral("MS")},
    });
    if (!parser.parse(arguments))
        failUsage(parser, parser.errorText());
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        std::exit(0);
    }
    if (!parser.positionalArguments().isEmpty())
        failUsage(parser, QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first()));

    SimOptions options;
    options.linkPath = parser.value(QStringLiteral("link"));
    options.recordPath = parser.value(QStringLiteral("record"));
    options.pace = parser.isSet(QStringLiteral("pace"));
    options.faults.wrongEchoAt = byteIndexOption(parser, QStringLiteral("wrong-echo-at"));
    options.faults.doubleAt = byteIndexOption(parser, QStringLiteral("double-at"));
    options.faults.silentAfter = byteIndexOption(parser, QStringLiteral("silent-after"));
    options.faults.hangUpAfter = byteIndexOption(parser, QStringLiteral("hangup-after"));
    options.faults.splitStartAnswer = parser.isSet(QStringLiteral("split-start-answer"));
    options.faults.strayAt = byteIndexOption(parser, QStringLiteral("stray-at"));
    options.faults.lateGapMs = millisecondsOption(parser, QStringLiteral("late-gap"), 1);
    options.faults.echoDelayMs = millisecondsOption(parser, QStringLiteral("echo-delay"), 0);
    return options;
}
