#pragma once

#include "session/unit_session.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// "Hepsini Gönder": the button image, the terminal image, then the clock, each exactly as
// its own command sends it (the settings saved first), each after the previous one has
// ended whole. A stop, a lost line, a send that does not start or another send by the
// operator ends the sequence before its next step.
class SendSequence : public QObject {
    Q_OBJECT
public:
    explicit SendSequence(UnitSession &session, QObject *parent = nullptr);

    void start();
    // Ends the sequence; the transfer under way is the caller's to stop.
    void cancel();
    bool isRunning() const { return step_ >= 0; }

signals:
    // "Hepsi gönderildi (...)" once the clock is set.
    void allSent(const QString &line);
    void runningChanged(bool running);

private:
    void startStep();
    void stepStarted(TransferMode kind);
    void stepEnded(const TransferSummary &summary);
    void setStep(int step);

    UnitSession &session_;
    QTimer pause_;
    QElapsedTimer clock_;
    int step_ = -1;  // -1: not running
    bool starting_ = false;
    int wrongEchoes_ = 0;
};
