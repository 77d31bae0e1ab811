#include "session/send_sequence.h"

#include "session/transfer_texts.h"

#include <array>
#include <cmath>

namespace {

const std::array<TransferMode, 3> kSteps{TransferMode::ButtonSettings, TransferMode::TerminalSettings,
                                         TransferMode::DateTime};
// As bilvex-send does: the unit is given a second to be done with one transfer before the
// next start byte comes, as an operator's clicks always gave it.
constexpr int kPauseBetweenTransfersMs = 1000;
constexpr double kMsPerSecond = 1000;

}  // namespace

SendSequence::SendSequence(UnitSession &session, QObject *parent) : QObject(parent), session_(session)
{
    pause_.setSingleShot(true);
    pause_.setInterval(kPauseBetweenTransfersMs);
    connect(&pause_, &QTimer::timeout, this, &SendSequence::startStep);
    connect(&session_, &UnitSession::transferStarted, this, &SendSequence::stepStarted);
    connect(&session_, &UnitSession::transferEnded, this, &SendSequence::stepEnded);
}

void SendSequence::start()
{
    wrongEchoes_ = 0;
    clock_.start();
    setStep(0);
    startStep();
}

void SendSequence::cancel()
{
    pause_.stop();
    setStep(-1);
}

void SendSequence::startStep()
{
    starting_ = true;
    bool started = false;
    switch (kSteps.at(step_)) {
    case TransferMode::ButtonSettings:
        started = session_.sendButtons();
        break;
    case TransferMode::TerminalSettings:
        started = session_.sendTerminals();
        break;
    default:
        started = session_.sendClock();
        break;
    }
    starting_ = false;
    if (!started)
        cancel();
}

// A transfer the sequence did not start is the operator's own: the sequence gives way.
void SendSequence::stepStarted(TransferMode)
{
    if (isRunning() && !starting_)
        cancel();
}

void SendSequence::stepEnded(const TransferSummary &summary)
{
    if (!isRunning() || starting_)
        return;
    if (summary.transfer.end != TransferEnd::Whole) {
        cancel();
        return;
    }
    wrongEchoes_ += summary.transfer.wrongEchoes;
    if (step_ + 1 < static_cast<int>(kSteps.size())) {
        setStep(step_ + 1);
        pause_.start();
        return;
    }
    const qint64 seconds = std::llround(static_cast<double>(clock_.elapsed()) / kMsPerSecond);
    setStep(-1);
    // After every other client has had the clock's end, so this line is the last word.
    const QString line = allSentLine(seconds, wrongEchoes_);
    QMetaObject::invokeMethod(
        this, [this, line] { emit allSent(line); }, Qt::QueuedConnection);
}

void SendSequence::setStep(int step)
{
    const bool changes = (step >= 0) != isRunning();
    step_ = step;
    if (changes)
        emit runningChanged(isRunning());
}
