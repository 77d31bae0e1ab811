#include "cli/send_job.h"

#include "cli/exit_status.h"
#include "cli/send_texts.h"
#include "images/ticket_image.h"
#include "link/link_messages.h"
#include "link/transfer_engine.h"

#include <algorithm>
#include <cmath>

namespace {

// An operator never starts the next transfer within a second of the last echo, and the unit
// has only ever been used so: the pause lets it be done with one transfer before the next
// start byte comes.
constexpr int kPauseBetweenTransfersMs = 1000;
constexpr double kMsPerSecond = 1000;

}  // namespace

SendJob::SendJob(UnitSession &session, Tanimlamalar &model, ErrorOutput &out, const SendOptions &options,
                 LineTrace *trace, QObject *parent)
    : QObject(parent),
      session_(session),
      model_(model),
      out_(out),
      display_(out, trace),
      items_(options.items),
      ticketNumber_(options.ticketNumber - 1),
      timeoutSeconds_(options.timeoutSeconds)
{
    silence_.setSingleShot(true);
    silence_.setTimerType(Qt::PreciseTimer);
    silence_.setInterval(static_cast<int>(std::lround(timeoutSeconds_ * kMsPerSecond)));
    connect(&silence_, &QTimer::timeout, this, &SendJob::onSilence);
    connect(&session_, &UnitSession::progress, this, &SendJob::onProgress);
    connect(&session_, &UnitSession::finished, this, &SendJob::onFinished);
    // The session has told the operator which port went away.
    connect(&session_, &UnitSession::linkLost, this, [this] { fail(sendTexts::lostEnding()); });
    connect(&session_.engine(), &TransferEngine::echoMismatch, this, [this] { ++wrongInTransfer_; });
    // Said once, as it happens: an operator waiting on a slow upload learns why at once.
    connect(&session_, &UnitSession::slowLine, this,
            [this](TransferMode, double ms) { out_.line(slowLineMessage(ms)); });
}

void SendJob::start()
{
    startItem();
}

// The summary is the record's last line: the event loop may yet deliver an answer before
// it ends, and that answer must not send another byte.
void SendJob::stop()
{
    session_.stop();
    fail(sendTexts::stoppedEnding());
}

void SendJob::startItem()
{
    if (over_)
        return;
    const SendItem &item = items_.at(current_);
    wrongInTransfer_ = 0;
    sent_ = 0;
    running_ = true;
    display_.start(item.word, transferLength(item.kind));
    silence_.start();
    // A port that failed since it was opened has been told to the operator by the session.
    if (!startTransfer(item))
        fail(sendTexts::lostEnding());
}

bool SendJob::startTransfer(const SendItem &item)
{
    switch (item.kind) {
    case TransferMode::DateTime:
        session_.sendClock();
        break;
    case TransferMode::TicketData:
        fillTicketImage(model_.TicketImage, item.layout);
        session_.sendTicket(ticketNumber_);
        break;
    default:
        return session_.send(item.kind);
    }
    return session_.engine().isRunning();
}

void SendJob::onProgress()
{
    silence_.start();
    noteSentBytes();
    display_.update(sent_);
}

void SendJob::onFinished()
{
    if (over_)
        return;
    silence_.stop();
    running_ = false;
    noteSentBytes();
    display_.end(sent_, wrongInTransfer_, msPerByte());
    anyWrongEcho_ = anyWrongEcho_ || wrongInTransfer_ > 0;
    if (++current_ < items_.size()) {
        QTimer::singleShot(kPauseBetweenTransfersMs, this, &SendJob::startItem);
        return;
    }
    finish(anyWrongEcho_ ? ExitStatus::WrongEchoes : ExitStatus::Success);
}

void SendJob::onSilence()
{
    out_.line(sendTexts::unitSilent(timeoutSeconds_));
    fail(sendTexts::silentEnding());
}

void SendJob::fail(const QString &endedEarly)
{
    if (over_)
        return;
    silence_.stop();
    // Lost between two transfers, the last one has had its summary already.
    if (running_)
        display_.end(sent_, wrongInTransfer_, msPerByte(), endedEarly);
    finish(ExitStatus::UnitLost);
}

void SendJob::finish(int exitStatus)
{
    over_ = true;
    emit done(exitStatus);
}

double SendJob::msPerByte() const
{
    return session_.engine().roundTrips().meanMs();
}

// Each answer of the unit sends the next byte, so the answers handled count the bytes sent.
void SendJob::noteSentBytes()
{
    const int total = transferLength(items_.at(current_).kind);
    sent_ = std::min(static_cast<int>(model_.TransferPosition), total);
}
