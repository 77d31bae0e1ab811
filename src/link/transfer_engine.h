#pragma once

#include "config/tanimlamalar.h"
#include "link/byte_link.h"
#include "link/fine_waits.h"
#include "link/round_trips.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <optional>

// The only event kind the engine acts on: received data.
constexpr int kCommEventReceive = 2;
constexpr uint8_t kStartByte = 0xAA;

// The bytes a transfer of this kind sends after the start byte: 2,079 of the button image,
// 41,919 of the terminal image, the 1,280 of the ticket image and the 24 of the clock frame.
int transferLength(TransferMode kind);
// The bytes a transfer of the kind would send now, after its start byte.
QByteArray transferBytes(const Tanimlamalar &model, TransferMode kind);

// The echo-verified upload: one image byte per answer of the unit, driven only by the
// port's receive notification. Each transfer sends the image as it was when it started.
class TransferEngine : public QObject {
    Q_OBJECT
public:
    TransferEngine(Tanimlamalar &model, ByteLink &link, QObject *parent = nullptr);

    // Sets the kind, position 0, not finished, and writes the start byte. When the port is
    // not open it leaves the transfer idle and returns false.
    bool startTransfer(TransferMode kind);

    // The port's notification; also called when the port is found holding unnotified bytes.
    void MSComm1_OnComm(int commEvent = kCommEventReceive);

    // The port went away: the transfer idle, reported once.
    void portLost();

    // Ends the transfer where it is, as a stop request does: no byte more goes out, though
    // an answer already on its way may still come.
    void stop();

    bool isRunning() const;
    // Of the running or last transfer: the image bytes written so far (the one in flight
    // included), its wrong echoes, and the bytes it sends in all.
    int sentBytes() const;
    int wrongEchoes() const { return wrongEchoes_; }
    QByteArray sentImage() const;

    // The wait before every read (2 ms), which gives a late echo time to arrive whole.
    // Tests of the longest transfers shorten it.
    void setReadDelay(std::chrono::milliseconds delay);

    // The transfer's round trips so far: from a byte written to its answer handled.
    const RoundTrips &roundTrips() const { return roundTrips_; }

signals:
    // After every byte sent: "% " and the rounded percentage, for the kind's progress label.
    void progress(TransferMode kind, const QString &caption);
    // An answer that is not the echo of the byte sent. The transfer waits until every
    // receiver has returned, so a message box shown here pauses it.
    void echoMismatch(quint8 sent, quint8 received);
    // The echo of the last byte has come, or there was nothing more to send.
    void finished(TransferMode kind, int wrongEchoes);
    // The port went away; once until the next transfer starts.
    void linkLost();
    // The unit's answers take far longer than the line needs (medianMs a byte): once a
    // transfer, while it goes on.
    void slowLine(TransferMode kind, double medianMs);

private:
    void handleNotification();
    void handleAnswer(const QByteArray &answer);
    void sendCurrentByte();
    bool writeToUnit(uint8_t byte);
    void endTransfer();
    void becomeIdle();
    void checkForStall();
    std::optional<uint8_t> imageByte(int position) const;
    int currentPosition() const;

    Tanimlamalar &model_;
    ByteLink &link_;
    QByteArray sending_;  // the image as it was when the start byte went out
    TransferMode sendingKind_ = TransferMode::None;
    QTimer stallTimer_;
    std::chrono::milliseconds readDelay_;
    FineWaits fineWaits_;
    RoundTrips roundTrips_;
    QElapsedTimer clock_;
    quint64 transferNumber_ = 0;  // tells a transfer apart from the one that replaced it
    bool handling_ = false;       // an answer is being handled (a box may be open)
    bool notedWhileHandling_ = false;
    bool notifiedSinceCheck_ = false;
    qint64 waitingAtLastWrite_ = 0;  // bytes in the port just before the last byte went out
    int wrongEchoes_ = 0;
    bool lossReported_ = false;
};
