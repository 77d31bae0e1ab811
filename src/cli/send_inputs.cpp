#include "cli/send_inputs.h"

#include "cli/send_texts.h"
#include "config/settings_file.h"
#include "images/ticket_layout_parser.h"
#include "panels/startup_images.h"
#include "session/settings_messages.h"

namespace {

QString settingsFault(const QString &settingsFile, Tanimlamalar &model)
{
    const int code = loadSettingsFile(model, settingsFile);
    if (code == SettingsError::None)
        return {};
    const QString reason = code == SettingsError::FileNotFound ? sendTexts::noSettingsFile() : readFailureMessage(code);
    return sendTexts::settingsFileLine(settingsFile) + QLatin1Char('\n') + reason;
}

QString itemFault(SendItem &item, const Tanimlamalar &model)
{
    std::optional<BuildRefusal> refusal;
    if (item.kind == TransferMode::ButtonSettings)
        refusal = model.ButtonImageRefusal;
    if (item.kind == TransferMode::TerminalSettings)
        refusal = model.TerminalImageRefusal;
    if (refusal)
        return refusal->message();
    if (item.kind != TransferMode::TicketData)
        return {};
    const std::optional<QByteArray> layout = readLayoutFile(item.layoutFile);
    if (!layout)
        return sendTexts::layoutUnreadable(item.layoutFile);
    item.layout = *layout;
    return {};
}

}  // namespace

QString readInputs(const QString &settingsFile, QList<SendItem> &items, Tanimlamalar &model)
{
    QString fault = settingsFault(settingsFile, model);
    if (!fault.isEmpty())
        return fault;
    buildStartupImages(model);
    for (SendItem &item : items) {
        fault = itemFault(item, model);
        if (!fault.isEmpty())
            return fault;
    }
    return {};
}
