#include "link/line_trace.h"

#include <array>
#include <cstdio>

namespace {

constexpr double kNsPerMs = 1e6;
// The time, the direction and the separating blanks.
constexpr int kLineHeadLength = 32;

}  // namespace

LineTrace::LineTrace(QIODevice &out) : out_(out)
{
    clock_.start();
}

LineTrace::~LineTrace()
{
    finish();
}

void LineTrace::finish()
{
    writePendingAnswer();
}

bool LineTrace::failed() const
{
    return failed_;
}

void LineTrace::sent(uint8_t byte)
{
    const double ms = now();
    writePendingAnswer();
    line(ms, '>', QByteArray(1, char(byte)).toHex().toUpper());
}

void LineTrace::received(const QByteArray &answer)
{
    writePendingAnswer();
    pendingAt_ = now();
    pendingAnswer_ = answer;
}

void LineTrace::note(const QString &text)
{
    writePendingAnswer();
    line(now(), '=', text.toUtf8());
}

double LineTrace::now() const
{
    return static_cast<double>(clock_.nsecsElapsed()) / kNsPerMs;
}

void LineTrace::writePendingAnswer()
{
    if (pendingAnswer_.isEmpty())
        return;
    line(pendingAt_, '<', pendingAnswer_.toHex(' ').toUpper());
    pendingAnswer_.clear();
}

void LineTrace::line(double ms, char direction, const QByteArray &text)
{
    if (failed_)
        return;
    std::array<char, kLineHeadLength> head{};
    const int length = std::snprintf(head.data(), head.size(), "%.3f %c ", ms, direction);
    const QByteArray whole = QByteArray(head.data(), length) + text + '\n';
    failed_ = out_.write(whole) != whole.size();
}
