#pragma once

#include "byte_link.h"
#include "operator_dialogs.h"
#include "progress_display.h"
#include "tanimlamalar.h"

#include <QObject>

// The only event kind the engine acts on: received data.
constexpr int kCommEventReceive = 2;
constexpr uint8_t kStartByte = 0xAA;

// The echo-verified upload: one image byte per answer of the unit, driven only by the
// port's receive notification.
class TransferEngine : public QObject {
    Q_OBJECT
public:
    TransferEngine(Tanimlamalar &model, ByteLink &link, OperatorDialogs &dialogs, ProgressDisplay &progress,
                   QObject *parent = nullptr);

    // Sets the kind, position 0, not finished, and writes the start byte. When the port is
    // not open it tells the operator why, leaves the transfer idle and returns false.
    bool startTransfer(TransferMode kind);

    // The port's notification; also called when the port is found holding unnotified bytes.
    void MSComm1_OnComm(int commEvent = kCommEventReceive);

    // The port went away mid-run: one message, the transfer idle.
    void portLost();
};
