#include "ticket_view.h"

#include <QStringDecoder>

QString ticketViewText(const QByteArray &layout)
{
    QStringDecoder decoder("windows-1254");
    QString text = decoder.decode(layout);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}
