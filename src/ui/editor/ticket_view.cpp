#include "ui/editor/ticket_view.h"

#include "config/code_page_1254.h"

QString ticketViewText(const QByteArray &layout)
{
    QString text = fromWindows1254(layout);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}
