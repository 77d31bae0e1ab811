#include "session/unit_state.h"

#include "link/transfer_engine.h"

UnitState unitStateOf(const Tanimlamalar &model, const QList<SentTransfer> &record, const QString &settingsPath,
                      const std::optional<PortSend> &lastOnPort)
{
    UnitState state;
    for (const TransferMode kind : {TransferMode::ButtonSettings, TransferMode::TerminalSettings}) {
        const std::optional<SentTransfer> last = lastWholeSend(record, kind);
        if (!last || last->hash != imageHash(transferBytes(model, kind)))
            state.unsent << kind;
    }
    if (lastOnPort && pathIdentity(lastOnPort->settingsPath) != pathIdentity(settingsPath))
        state.otherFile = lastOnPort;
    return state;
}
