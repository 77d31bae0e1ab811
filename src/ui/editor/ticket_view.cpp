#include "ticket_view.h"

#include "tanimlamalar.h"

#include <QStringDecoder>

QString ticketViewText(const QByteArray &layout)
{
    QStringDecoder decoder(kCodePage);
    QString text = decoder.decode(layout);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}
