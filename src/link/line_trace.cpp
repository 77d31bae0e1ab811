#include "line_trace.h"

namespace {

constexpr double kNsPerMs = 1e6;

}  // namespace

LineTrace::LineTrace(QIODevice &out) : out_(out)
{
    clock_.start();
}

void LineTrace::sent(uint8_t byte)
{
    line('>', QByteArray(1, char(byte)).toHex().toUpper());
}

void LineTrace::received(const QByteArray &answer)
{
    line('<', answer.toHex(' ').toUpper());
}

void LineTrace::note(const QString &text)
{
    line('=', text);
}

void LineTrace::line(char direction, const QString &text)
{
    const double ms = static_cast<double>(clock_.nsecsElapsed()) / kNsPerMs;
    out_.write(QStringLiteral("%1 %2 %3\n").arg(ms, 0, 'f', 3).arg(QLatin1Char(direction)).arg(text).toUtf8());
}
