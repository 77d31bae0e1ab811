#pragma once

#include <QString>

// The ticket numbers 0..15 as the editor names them.
QString ticketItemText(int n);  // "1st Ticket" .. "16th Ticket"
QString ticketPrompt(int n);    // "Do you want send as 1st TICKET?" ..
