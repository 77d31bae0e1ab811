#include "ticket_send.h"

#include "ticket_image.h"
#include "ticket_numbers.h"

const char *const kNoLayoutMessage = "Önce bir bilet dosyası açınız.";

namespace {

const char *const kConfirmTitle = "Ticket Number";

}  // namespace

void sendTicket(LinkContext &context, int n)
{
    if (n < 0 || n >= kTicketNumberCount || !context.model.ImagesBuilt)
        return;
    // Without a layout the image has no bytes to send and the unit would wait forever.
    if (context.model.TicketImage.isEmpty()) {
        context.dialogs.inform(QString::fromUtf8(kNoLayoutMessage));
        return;
    }
    if (!context.dialogs.askYesNo(QString::fromLatin1(kConfirmTitle), ticketPrompt(n)))
        return;
    stampTicketNumber(context.model.TicketImage, n);
    context.engine.startTransfer(TransferMode::TicketData);
}
