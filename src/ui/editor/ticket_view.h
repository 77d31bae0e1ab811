#pragma once

#include <QByteArray>
#include <QString>

// The layout bytes as the operator reads them: Windows-1254 characters, with CR, LF and
// CR LF each shown as one line break.
QString ticketViewText(const QByteArray &layout);
