#pragma once

#include "send_commands.h"

// The operator has to open a layout before there is anything to send.
extern const char *const kNoLayoutMessage;

// Send_Control_Click without its window: n is the position of Bilet_No_Combo (-1 for none).
// Asks "Ticket Number" for confirmation, then stamps n into the ticket image and starts the
// ticket transfer. Silent without built images or a selection; refused with kNoLayoutMessage
// before any layout file was opened.
void sendTicket(LinkContext &context, int n);
