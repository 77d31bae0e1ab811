#include "ui/window/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const QColor kBackground(0x1f, 0x4e, 0x9c);
const QColor kTicket(0xff, 0xf8, 0xe1);
const QColor kNumber(0xc6, 0x28, 0x28);

QPixmap ticketPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / 16.0;

    painter.setPen(Qt::NoPen);
    painter.setBrush(kBackground);
    painter.drawRoundedRect(QRectF(0, 0, size, size), 3 * unit, 3 * unit);

    // A ticket with a notch on each side, as torn from the kiosk's roll.
    QPainterPath ticket;
    ticket.addRect(QRectF(3 * unit, 2 * unit, 10 * unit, 12 * unit));
    QPainterPath notches;
    notches.addEllipse(QPointF(3 * unit, 8 * unit), 1.2 * unit, 1.2 * unit);
    notches.addEllipse(QPointF(13 * unit, 8 * unit), 1.2 * unit, 1.2 * unit);
    painter.setBrush(kTicket);
    painter.drawPath(ticket.subtracted(notches));

    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(qRound(7 * unit));
    painter.setFont(font);
    painter.setPen(kNumber);
    painter.drawText(QRectF(3 * unit, 2 * unit, 10 * unit, 12 * unit), Qt::AlignCenter, QStringLiteral("3"));
    return pixmap;
}

}  // namespace

QIcon appIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(ticketPixmap(size));
    return icon;
}
