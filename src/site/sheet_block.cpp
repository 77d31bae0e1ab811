#include "site/sheet_block.h"

namespace {

const QChar kTab = QLatin1Char('\t');
const QChar kLineEnd = QLatin1Char('\n');

bool isSingleCell(const QList<QStringList> &block)
{
    return block.size() == 1 && block.front().size() == 1;
}

QList<PlacedCell> filled(const QRect &selection, const QString &text)
{
    QList<PlacedCell> cells;
    for (int y = selection.top(); y <= selection.bottom(); ++y) {
        for (int x = selection.left(); x <= selection.right(); ++x)
            cells.append({QPoint(x, y), text});
    }
    return cells;
}

}  // namespace

QList<QStringList> clipboardCells(const QString &text)
{
    QStringList lines = text.split(kLineEnd);
    if (lines.size() > 1 && lines.back().isEmpty())
        lines.removeLast();
    QList<QStringList> cells;
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        cells.append(line.split(kTab));
    }
    return cells;
}

QString clipboardText(const QList<QStringList> &cells)
{
    QString text;
    for (const QStringList &row : cells)
        text += row.join(kTab) + kLineEnd;
    return text;
}

std::optional<QList<PlacedCell>> placeBlock(const QList<QStringList> &block, QPoint current,
                                            const std::optional<QRect> &selection, QSize size)
{
    const QRect table(QPoint(0, 0), size);
    if (selection && isSingleCell(block) && selection->width() * selection->height() > 1) {
        if (!table.contains(*selection))
            return std::nullopt;
        return filled(*selection, block.front().front());
    }
    const QPoint start = selection ? selection->topLeft() : current;
    QList<PlacedCell> cells;
    for (qsizetype r = 0; r < block.size(); ++r) {
        for (qsizetype c = 0; c < block[r].size(); ++c) {
            const QPoint at = start + QPoint(int(c), int(r));
            if (!table.contains(at))
                return std::nullopt;
            cells.append({at, block[r][c]});
        }
    }
    return cells;
}
