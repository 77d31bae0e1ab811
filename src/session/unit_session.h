#pragma once

#include "config/tanimlamalar.h"
#include "link/byte_link.h"
#include "link/transfer_engine.h"
#include "ports/port_choice.h"
#include "session/operator_dialogs.h"
#include "session/site_document.h"
#include "session/start_decision.h"
#include "session/transfer_recorder.h"

#include <QDateTime>
#include <QObject>

#include <memory>

// The errand with the control unit: the serial port, the echo-verified engine on it, and
// the send commands. Front ends (the windows, bilvex-send) are its clients: they connect to
// its signals and tell the operator in their own way; boxes go through the dialog seam.
class UnitSession : public QObject {
    Q_OBJECT
public:
    // On the machine's serial port.
    UnitSession(Tanimlamalar &model, OperatorDialogs &dialogs, QObject *parent = nullptr);
    // On another link (a scripted unit), which the caller keeps.
    UnitSession(Tanimlamalar &model, OperatorDialogs &dialogs, ByteLink &link, QObject *parent = nullptr);
    ~UnitSession() override;
    UnitSession(const UnitSession &) = delete;
    UnitSession &operator=(const UnitSession &) = delete;

    // The start-up steps that concern no window: the priority tables cleared, the settings
    // file read into the model (through the document), the port of its COM number opened. EndApplication when the
    // file is cut short or the port is held by another program (both told to the operator).
    StartDecision start();

    // Opens the port the COM port text names (a text without a valid number opens nothing).
    // A port held by another program, or by a lock file an ended one left, is told to the
    // operator and ends the start.
    StartDecision openPort(const QString &portText);
    // Opens a device by its name; the outcome is the caller's to tell. The port's later
    // messages name it by portText (a COM port text), else by the device's name.
    PortOpening openDevice(const QString &device, const QString &portText = {});
    // Whether this user can open the device now; the port this session holds counts as usable.
    PortAccess portAccess(const QString &device);
    // The device this session last opened or tried to (Windows: "COM3"); empty before any.
    QString portDevice() const;

    // Saves the open settings file, then sends the button or terminal image. False when
    // nothing was started (the operator has been told why).
    bool sendButtons();
    bool sendTerminals();
    // Builds the date-time frame for the model's clock chip and sends it.
    bool sendClock(const QDateTime &now = QDateTime::currentDateTime());
    // Asks "Ticket Number" for ticket number n (0..15), stamps it into the ticket image and
    // sends it; silent without built images, refused before any layout was opened.
    void sendTicket(int n);
    // Starts a transfer of the image as it is; an image whose last build was refused is not
    // sent and the operator is told which value is at fault. False when nothing was started.
    bool send(TransferMode kind);

    // "Durdur": the running transfer ends after the byte in flight; no box, the port stays open.
    void stop();

    // The port as the operator names it: "COM3", or the device given instead of a number.
    QString portName() const;
    // The settings file whose record the transfers go to; the open document's when empty.
    void recordFor(const QString &settingsPath);
    QString recordedFile() const;

    TransferEngine &engine();
    // The site this session saves before its sends.
    SiteDocument &document();

signals:
    // A transfer has begun: its start byte is out.
    void transferStarted(TransferMode kind);
    void progress(TransferMode kind, const QString &caption);
    void finished(TransferMode kind, int wrongEchoes);
    // Every transfer's end, however it came, once its record is written.
    void transferEnded(const TransferSummary &summary);
    void linkLost();
    // The unit's answers take msPerByte, far longer than the line needs: once a transfer.
    void slowLine(TransferMode kind, double msPerByte);

private:
    void connectEngine();
    bool saveAndSend(TransferMode kind);
    void endRecord(TransferEnd how);

    Tanimlamalar &model_;
    OperatorDialogs &dialogs_;
    std::unique_ptr<ByteLink> ownLink_;
    ByteLink &link_;
    TransferEngine engine_;
    SiteDocument document_;
    TransferRecorder recorder_;
    QString recordedFile_;
    QString portText_;  // what start-up opened, or tried to open: the port's messages name it
    QString device_;    // the device behind it
};
