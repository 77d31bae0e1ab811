#include "link/transfer_engine.h"

#include "config/number_conversions.h"

#include <algorithm>

namespace {

constexpr std::chrono::milliseconds kReadDelay{2};
// Long enough that a healthy transfer (one echo every few milliseconds) never trips it.
constexpr std::chrono::milliseconds kStallCheckInterval{200};

// Where a kind ends and what its progress percentage is taken of. The button and terminal
// transfers stop one position short of their images; the unit expects exactly that count.
struct KindLimits {
    int lastPosition;
    double divisor;
};

KindLimits limitsOf(TransferMode kind)
{
    switch (kind) {
    case TransferMode::ButtonSettings:
        return {2079, 2080};
    case TransferMode::TerminalSettings:
        return {41919, 41920};
    case TransferMode::TicketData:
        return {1280, 1280};
    case TransferMode::DateTime:
        return {24, 23};
    case TransferMode::None:
        break;
    }
    return {0, 1};
}

template <typename Image>
std::optional<uint8_t> elementOf(const Image &image, int position)
{
    if (position < 0 || position >= static_cast<int>(image.size()))
        return std::nullopt;
    return static_cast<uint8_t>(image[position]);
}

template <size_t N>
QByteArray bytesOf(const std::array<uint8_t, N> &image)
{
    return {reinterpret_cast<const char *>(image.data()), static_cast<qsizetype>(N)};
}

QString progressCaption(int sentPosition, double divisor)
{
    const double percent = RoundHalfEven(sentPosition / divisor * 100);
    return QStringLiteral("% ") + FormatSigned(static_cast<qint64>(percent));
}

}  // namespace

int transferLength(TransferMode kind)
{
    return limitsOf(kind).lastPosition;
}

// The transfer's own copy: an edit while it runs changes the next send, never this one, so
// the unit never gets the first part of one site and the rest of another.
QByteArray transferBytes(const Tanimlamalar &model, TransferMode kind)
{
    switch (kind) {
    case TransferMode::ButtonSettings:
        return bytesOf(model.ButtonImage).left(transferLength(kind));
    case TransferMode::TerminalSettings:
        return bytesOf(model.TerminalImage).left(transferLength(kind));
    case TransferMode::TicketData:
        return model.TicketImage;
    case TransferMode::DateTime:
        return bytesOf(model.DateTimeFrame).left(transferLength(kind));
    case TransferMode::None:
        break;
    }
    return {};
}

TransferEngine::TransferEngine(Tanimlamalar &model, ByteLink &link, QObject *parent)
    : QObject(parent), model_(model), link_(link), readDelay_(kReadDelay)
{
    stallTimer_.setInterval(kStallCheckInterval);
    clock_.start();
    connect(&stallTimer_, &QTimer::timeout, this, &TransferEngine::checkForStall);
}

bool TransferEngine::startTransfer(TransferMode kind)
{
    if (!link_.isOpen()) {
        becomeIdle();
        return false;
    }
    lossReported_ = false;
    wrongEchoes_ = 0;
    ++transferNumber_;
    sending_ = transferBytes(model_, kind);
    sendingKind_ = kind;
    model_.CurrentTransferMode = kind;
    model_.TransferPosition = 0;
    model_.TransferFinished = false;
    notifiedSinceCheck_ = false;
    roundTrips_.startTransfer();
    stallTimer_.start();
    fineWaits_.hold();
    if (!writeToUnit(kStartByte)) {
        // The port failed under the write; it reports a lost device itself.
        becomeIdle();
        return false;
    }
    return true;
}

void TransferEngine::MSComm1_OnComm(int commEvent)
{
    if (commEvent != kCommEventReceive)
        return;
    notifiedSinceCheck_ = true;
    // A notification delivered while an answer is still being handled (an echo error box
    // runs its own event loop) is only noted: the bytes stay in the port until that ends.
    if (handling_) {
        notedWhileHandling_ = true;
        return;
    }
    handling_ = true;
    do {
        notedWhileHandling_ = false;
        handleNotification();
    } while (notedWhileHandling_ && link_.bytesAvailable() > 0);
    handling_ = false;
}

void TransferEngine::portLost()
{
    becomeIdle();
    if (lossReported_)
        return;
    lossReported_ = true;
    emit linkLost();
}

void TransferEngine::stop()
{
    becomeIdle();
}

bool TransferEngine::isRunning() const
{
    return !model_.TransferFinished && model_.CurrentTransferMode != TransferMode::None;
}

int TransferEngine::sentBytes() const
{
    return std::min(currentPosition(), transferLength(sendingKind_));
}

QByteArray TransferEngine::sentImage() const
{
    return sending_;
}

void TransferEngine::setReadDelay(std::chrono::milliseconds delay)
{
    readDelay_ = delay;
}

void TransferEngine::handleNotification()
{
    if (readDelay_.count() > 0)
        FineWaits::sleep(readDelay_);
    // Bytes that arrive while idle stay in the port; the next transfer's first answer takes them.
    if (!isRunning())
        return;
    const QByteArray answer = link_.readAll();
    if (answer.isEmpty())
        return;
    handleAnswer(answer);
}

void TransferEngine::handleAnswer(const QByteArray &answer)
{
    if (roundTrips_.answered(clock_.nsecsElapsed()))
        emit slowLine(model_.CurrentTransferMode, roundTrips_.medianMs());
    if (!isRunning())
        return;  // a receiver of slowLine ended the transfer
    const int position = currentPosition();
    // The unit answers the start byte with any byte, so that answer is not compared.
    if (position > 0) {
        const std::optional<uint8_t> sent = imageByte(position - 1);
        const bool echoed = answer.size() == 1 && sent && static_cast<uint8_t>(answer[0]) == *sent;
        if (sent && !echoed) {
            const quint64 transfer = transferNumber_;
            ++wrongEchoes_;
            emit echoMismatch(*sent, static_cast<uint8_t>(answer[0]));
            if (transfer != transferNumber_ || !isRunning())
                return;  // replaced or lost while the box was open
        }
    }
    model_.TransferPosition += 1;
    if (currentPosition() > limitsOf(model_.CurrentTransferMode).lastPosition) {
        endTransfer();
        return;
    }
    sendCurrentByte();
}

void TransferEngine::sendCurrentByte()
{
    const int index = currentPosition() - 1;
    const std::optional<uint8_t> byte = imageByte(index);
    if (!byte) {
        // No layout has been read into the ticket image: there is nothing to send.
        endTransfer();
        return;
    }
    writeToUnit(*byte);
    const TransferMode kind = model_.CurrentTransferMode;
    emit progress(kind, progressCaption(index, limitsOf(kind).divisor));
}

// Counted before the write, so that a quick answer is never among them: what waits then
// (bytes from an idle spell, a late extra byte) cannot be the answer to this byte.
bool TransferEngine::writeToUnit(uint8_t byte)
{
    waitingAtLastWrite_ = link_.bytesAvailable();
    roundTrips_.written(clock_.nsecsElapsed());
    return link_.writeByte(byte);
}

void TransferEngine::endTransfer()
{
    const TransferMode kind = model_.CurrentTransferMode;
    model_.TransferFinished = true;
    becomeIdle();
    emit finished(kind, wrongEchoes_);
}

void TransferEngine::becomeIdle()
{
    model_.CurrentTransferMode = TransferMode::None;
    stallTimer_.stop();
    fineWaits_.release();
}

// The port can stop notifying although bytes wait (a zero-byte read may switch its
// notifier off); take such bytes as a notification would. Only bytes that came after the
// last write can hold the unit's answer; until one has come, the unit is still waited for.
void TransferEngine::checkForStall()
{
    if (!isRunning()) {
        stallTimer_.stop();
        return;
    }
    const bool quiet = !notifiedSinceCheck_;
    notifiedSinceCheck_ = false;
    if (quiet && !handling_ && link_.bytesAvailable() > waitingAtLastWrite_) {
        MSComm1_OnComm(kCommEventReceive);
        notifiedSinceCheck_ = false;
    }
}

std::optional<uint8_t> TransferEngine::imageByte(int position) const
{
    return elementOf(sending_, position);
}

int TransferEngine::currentPosition() const
{
    return static_cast<int>(model_.TransferPosition);
}
