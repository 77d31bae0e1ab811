#include "session/unit_session.h"

#include "images/date_time_frame.h"
#include "images/ticket_image.h"
#include "images/ticket_numbers.h"
#include "link/link_messages.h"
#include "link/serial_port.h"
#include "ports/port_names.h"
#include "session/settings_messages.h"

#include <QFileInfo>

namespace {

const char *const kConfirmTitle = "Ticket Number";
const char *const kNoLayoutMessage = "Önce bir bilet dosyası açınız.";

void clearPriorityTables(Tanimlamalar &model)
{
    for (int t = 0; t < kTerminalCount; ++t) {
        for (int s = 0; s < kSlotCount; ++s) {
            model.PriorityGroup[t][s] = 0;
            model.PriorityCount[t][s] = 0;
        }
    }
}

std::optional<BuildRefusal> refusalOf(const Tanimlamalar &model, TransferMode kind)
{
    if (kind == TransferMode::ButtonSettings)
        return model.ButtonImageRefusal;
    if (kind == TransferMode::TerminalSettings)
        return model.TerminalImageRefusal;
    return std::nullopt;
}

}  // namespace

UnitSession::UnitSession(Tanimlamalar &model, OperatorDialogs &dialogs, QObject *parent)
    : QObject(parent),
      model_(model),
      dialogs_(dialogs),
      ownLink_(std::make_unique<SerialPort>()),
      link_(*ownLink_),
      engine_(model, link_),
      document_(model, dialogs)
{
    connectEngine();
}

UnitSession::UnitSession(Tanimlamalar &model, OperatorDialogs &dialogs, ByteLink &link, QObject *parent)
    : QObject(parent), model_(model), dialogs_(dialogs), link_(link), engine_(model, link_), document_(model, dialogs)
{
    connectEngine();
}

// A transfer the program leaves unfinished (the window closed, bilvex-send given up on a
// silent unit) is recorded as such.
UnitSession::~UnitSession()
{
    if (engine_.isRunning())
        endRecord(TransferEnd::Abandoned);
}

// Direct connections throughout: the engine waits for a box shown here before it sends on.
void UnitSession::connectEngine()
{
    connect(&link_, &ByteLink::dataReceived, &engine_, [this] { engine_.MSComm1_OnComm(); });
    connect(&link_, &ByteLink::portLost, &engine_, &TransferEngine::portLost);
    connect(&engine_, &TransferEngine::echoMismatch, this,
            [this](quint8 sent, quint8 received) { dialogs_.inform(echoMismatchMessage(sent, received)); });
    connect(&engine_, &TransferEngine::linkLost, this, [this] {
        endRecord(TransferEnd::LineLost);
        dialogs_.inform(portLostMessage(portText_));
        emit linkLost();
    });
    connect(&engine_, &TransferEngine::progress, this, &UnitSession::progress);
    connect(&engine_, &TransferEngine::slowLine, this, &UnitSession::slowLine);
    connect(&engine_, &TransferEngine::finished, this, [this](TransferMode kind, int wrongEchoes) {
        endRecord(engine_.sentBytes() == transferLength(kind) ? TransferEnd::Whole : TransferEnd::Abandoned);
        emit finished(kind, wrongEchoes);
    });
}

StartDecision UnitSession::start()
{
    clearPriorityTables(model_);
    if (document_.readAtStart() == StartDecision::EndApplication)
        return StartDecision::EndApplication;
    return openPort(model_.Text4);
}

StartDecision UnitSession::openPort(const QString &portText)
{
    portText_ = portText;
    const std::optional<int> number = comPortNumber(portText);
    if (!number)
        return StartDecision::Continue;
    device_ = comPortDeviceName(*number);
    const PortOpening opening = link_.openDevice(device_);
    switch (opening.result) {
    case PortOpening::Result::InUse:
        dialogs_.inform(portInUseMessage(portText));
        return StartDecision::EndApplication;
    // Not in use, yet refused until the lock is removed: said as it is, then as in use.
    case PortOpening::Result::LockLeftBehind:
        dialogs_.inform(portNotOpenMessage(portText, opening.reason));
        return StartDecision::EndApplication;
    default:
        return StartDecision::Continue;
    }
}

PortOpening UnitSession::openDevice(const QString &device, const QString &portText)
{
    portText_ = portText.isEmpty() ? device : portText;
    device_ = device;
    return link_.openDevice(device);
}

QString UnitSession::portDevice() const
{
    return device_;
}

PortAccess UnitSession::portAccess(const QString &device)
{
    // The port may have been opened through a link (ports/comN, a by-id name).
    const QString held = QFileInfo(device_).canonicalFilePath();
    if (link_.isOpen() && !held.isEmpty() && QFileInfo(device).canonicalFilePath() == held)
        return PortAccess::Available;
    return probePortAccess(device);
}

bool UnitSession::sendButtons()
{
    return saveAndSend(TransferMode::ButtonSettings);
}

bool UnitSession::sendTerminals()
{
    return saveAndSend(TransferMode::TerminalSettings);
}

// Saves first, so the file on disk matches what is sent; a failed save is told and the
// transfer starts anyway.
bool UnitSession::saveAndSend(TransferMode kind)
{
    document_.save();
    return send(kind);
}

bool UnitSession::sendClock(const QDateTime &now)
{
    model_.DateTimeFrame = buildDateTimeFrame(now, model_.ClockChip);
    return send(TransferMode::DateTime);
}

void UnitSession::sendTicket(int n)
{
    if (n < 0 || n >= kLayoutCount || !model_.ImagesBuilt)
        return;
    // Without a layout the image has no bytes to send and the unit would wait forever.
    if (model_.TicketImage.isEmpty()) {
        dialogs_.inform(QString::fromUtf8(kNoLayoutMessage));
        return;
    }
    if (!dialogs_.askYesNo(QString::fromLatin1(kConfirmTitle), ticketPrompt(n)))
        return;
    stampTicketNumber(model_.TicketImage, n);
    send(TransferMode::TicketData);
}

// A refused image would not match the settings, so it is not sent and the operator learns
// which value is at fault; a running transfer goes on.
bool UnitSession::send(TransferMode kind)
{
    if (const std::optional<BuildRefusal> refusal = refusalOf(model_, kind)) {
        dialogs_.inform(refusal->message());
        return false;
    }
    // A port that fails under the start byte reports its loss itself; only a port that was
    // not open is told here.
    const bool wasOpen = link_.isOpen();
    // A send while another runs abandons that one.
    if (engine_.isRunning())
        endRecord(TransferEnd::Abandoned);
    if (engine_.startTransfer(kind)) {
        recorder_.begin(kind, portName(), engine_.sentImage(), recordedFile());
        emit transferStarted(kind);
        return true;
    }
    if (!wasOpen)
        dialogs_.inform(portNotOpenMessage(portText_, link_.notOpenReason()));
    return false;
}

void UnitSession::stop()
{
    if (!engine_.isRunning())
        return;
    engine_.stop();
    endRecord(TransferEnd::Stopped);
}

void UnitSession::endRecord(TransferEnd how)
{
    if (const std::optional<TransferSummary> summary = recorder_.end(how, engine_.sentBytes(), engine_.wrongEchoes()))
        emit transferEnded(*summary);
}

QString UnitSession::portName() const
{
    const std::optional<int> number = comPortNumber(portText_);
    return number ? QStringLiteral("COM%1").arg(*number) : portText_;
}

void UnitSession::recordFor(const QString &settingsPath)
{
    recordedFile_ = settingsPath;
}

QString UnitSession::recordedFile() const
{
    return recordedFile_.isEmpty() ? document_.path() : QFileInfo(recordedFile_).absoluteFilePath();
}

TransferEngine &UnitSession::engine()
{
    return engine_;
}

SiteDocument &UnitSession::document()
{
    return document_;
}
