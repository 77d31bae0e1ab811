#include "cli/progress_display.h"

#include "cli/send_texts.h"

namespace {

// A terminal cannot show more, and a bar redrawn for every byte would cost the transfer time.
constexpr qint64 kRedrawIntervalMs = 100;
constexpr double kMsPerSecond = 1000;

}  // namespace

ProgressDisplay::ProgressDisplay(ErrorOutput &out, LineTrace *trace) : out_(out), trace_(trace)
{
}

void ProgressDisplay::start(const QString &what, int total)
{
    what_ = what;
    total_ = total;
    drawnAtMs_ = -1;
    clock_.start();
    update(0);
}

void ProgressDisplay::update(int sent)
{
    if (!out_.isTerminal())
        return;
    const qint64 elapsedMs = clock_.elapsed();
    if (drawnAtMs_ >= 0 && sent < total_ && elapsedMs - drawnAtMs_ < kRedrawIntervalMs)
        return;
    drawnAtMs_ = elapsedMs;
    out_.progress(sendTexts::progressBar(what_, sent, total_, elapsedMs));
}

void ProgressDisplay::end(int sent, int wrongEchoes, double msPerByte, const QString &endedEarly)
{
    const double seconds = static_cast<double>(clock_.elapsed()) / kMsPerSecond;
    const QString summary = sendTexts::summary(what_, sent, total_, wrongEchoes, seconds, msPerByte, endedEarly);
    out_.line(summary);
    if (trace_)
        trace_->note(summary);
}
