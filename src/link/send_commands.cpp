#include "send_commands.h"

#include "date_time_frame.h"
#include "settings_file.h"

namespace {

// Saves first, so the file on disk matches what is sent; a refused image would not match
// the settings, so it is not sent and the operator learns which value is at fault.
void saveAndSend(LinkContext &context, const std::optional<BuildRefusal> &refusal, TransferMode kind)
{
    dosyaya_kaydet(context.model, context.dialogs);
    if (refusal) {
        context.dialogs.inform(refusal->message());
        return;
    }
    context.engine.startTransfer(kind);
}

}  // namespace

void Buton_Gonder_Click(LinkContext &context)
{
    saveAndSend(context, context.model.ButtonImageRefusal, TransferMode::ButtonSettings);
}

void Terminal_Gonder_Click(LinkContext &context)
{
    saveAndSend(context, context.model.TerminalImageRefusal, TransferMode::TerminalSettings);
}

void cmdTarihSaat_Click(LinkContext &context, const QDateTime &now)
{
    context.model.DateTimeFrame = buildDateTimeFrame(now, context.model.ClockChip);
    context.engine.startTransfer(TransferMode::DateTime);
}

void Saat_Cipi_Combo_Click(Tanimlamalar &model, int selectedIndex)
{
    if (selectedIndex == 0 || selectedIndex == 1)
        model.ClockChip = static_cast<int16_t>(selectedIndex);
}
