#pragma once

#include "config/tanimlamalar.h"
#include "session/port_record.h"
#include "session/send_record.h"

#include <QList>

#include <optional>

// What the unit holds, as far as this PC knows: which settings images differ from the last
// ones sent whole from the open file, and whether the unit on its port last had settings
// from another file.
struct UnitState {
    QList<TransferMode> unsent;  // of the button and terminal settings, in that order
    std::optional<PortSend> otherFile;
};

UnitState unitStateOf(const Tanimlamalar &model, const QList<SentTransfer> &record, const QString &settingsPath,
                      const std::optional<PortSend> &lastOnPort);
