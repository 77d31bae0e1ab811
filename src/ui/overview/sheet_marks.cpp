#include "ui/overview/sheet_marks.h"

#include <QPoint>

void SheetMarks::clear()
{
    marks_.clear();
}

void SheetMarks::mark(int row, int column, const QColor &colour, const QString &tip)
{
    const int first = column < 0 ? 0 : column;
    const int last = column < 0 ? columnCount() - 1 : column;
    for (int c = first; c <= last; ++c) {
        Mark &cell = marks_[QPoint(c, row)];
        cell.colour = colour;
        cell.tip = cell.tip.isEmpty() ? tip : cell.tip + QLatin1Char('\n') + tip;
    }
}

void SheetMarks::show()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::BackgroundRole, Qt::ToolTipRole});
}

QVariant SheetMarks::data(const QModelIndex &index, int role) const
{
    if (role != Qt::BackgroundRole && role != Qt::ToolTipRole)
        return QIdentityProxyModel::data(index, role);
    const auto found = marks_.constFind(QPoint(index.column(), index.row()));
    if (found == marks_.cend())
        return {};
    if (role == Qt::BackgroundRole)
        return found->colour;
    return found->tip;
}
