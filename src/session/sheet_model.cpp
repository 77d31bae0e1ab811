#include "session/sheet_model.h"

#include "site/sheet_messages.h"

#include <algorithm>
#include <iterator>
#include <memory>

namespace {

// Column 0 names the row.
constexpr int kFirstEditable = 1;

bool isEditable(int column)
{
    return column >= kFirstEditable;
}

QList<PlacedCell> editableCells(const QList<PlacedCell> &cells)
{
    QList<PlacedCell> editable;
    std::copy_if(cells.begin(), cells.end(), std::back_inserter(editable),
                 [](const PlacedCell &cell) { return isEditable(cell.at.x()); });
    return editable;
}

// A value filling whole rows leaves their names as they are.
std::optional<QRect> filledArea(const QList<QStringList> &block, std::optional<QRect> selection)
{
    const bool single = block.size() == 1 && block.front().size() == 1;
    if (single && selection && selection->width() > 1 && selection->left() < kFirstEditable)
        selection->setLeft(kFirstEditable);
    return selection;
}

qsizetype widest(const QList<QStringList> &block)
{
    qsizetype width = 0;
    for (const QStringList &row : block)
        width = std::max(width, row.size());
    return width;
}

}  // namespace

SheetModel::SheetModel(const Tanimlamalar &model, SiteDocument &document, QStringList headers, int rows,
                       QObject *parent)
    : QAbstractTableModel(parent), model_(model), document_(document), headers_(std::move(headers)), rows_(rows)
{
    // The document tells of its own steps and of values taken from elsewhere (a file, a panel).
    connect(&document_, &SiteDocument::changed, this, &SheetModel::refresh);
    connect(&document_, &SiteDocument::valuesReplaced, this, &SheetModel::refresh);
}

void SheetModel::rememberShown()
{
    shown_.clear();
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column)
            shown_ << cellText(model_, row, column);
    }
}

int SheetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int SheetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(headers_.size());
}

QVariant SheetModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return cellText(model_, index.row(), index.column());
}

QVariant SheetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < headers_.size())
        return headers_[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags SheetModel::flags(const QModelIndex &index) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return isEditable(index.column()) ? shown | Qt::ItemIsEditable : shown;
}

bool SheetModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::EditRole || !isEditable(index.column()))
        return false;
    return take(checkCells({{QPoint(index.column(), index.row()), value.toString()}}), SheetAction::Paste);
}

SheetModel::Paste SheetModel::checkPaste(QPoint current, const QList<QStringList> &block,
                                         const std::optional<QRect> &selection) const
{
    const QList<QStringList> read = readBlock(block);
    if (widest(read) == 0)
        return {{}, kNothingToPaste};
    const std::optional<QList<PlacedCell>> placed =
        placeBlock(read, current, filledArea(read, selection), QSize(columnCount(), rowCount()));
    if (!placed)
        return {{}, pastePastEdge(read.size(), widest(read))};
    return checkCells(*placed);
}

bool SheetModel::paste(const Paste &checked)
{
    return take(checked, SheetAction::Paste);
}

bool SheetModel::clear(const QRect &selection)
{
    const std::optional<QString> cleared = clearedText();
    const QRect cells = within(selection);
    if (!cleared || cells.isEmpty())
        return false;
    QList<PlacedCell> placed;
    for (int y = cells.top(); y <= cells.bottom(); ++y) {
        for (int x = std::max(cells.left(), kFirstEditable); x <= cells.right(); ++x)
            placed.append({QPoint(x, y), *cleared});
    }
    return take(checkCells(placed), SheetAction::Clear);
}

bool SheetModel::fillDown(const QRect &selection)
{
    const QRect cells = within(selection);
    if (cells.height() < 2)
        return false;
    QList<PlacedCell> placed;
    for (int y = cells.top() + 1; y <= cells.bottom(); ++y) {
        for (int x = std::max(cells.left(), kFirstEditable); x <= cells.right(); ++x)
            placed.append({QPoint(x, y), cellText(model_, cells.top(), x)});
    }
    return take(checkCells(placed), SheetAction::FillDown);
}

QString SheetModel::copyText(const QRect &selection) const
{
    const QRect cells = within(selection);
    QList<QStringList> rows;
    for (int y = cells.top(); y <= cells.bottom(); ++y) {
        QStringList row;
        for (int x = cells.left(); x <= cells.right(); ++x)
            row << cellText(model_, y, x);
        rows << row;
    }
    return clipboardText(rows);
}

QRect SheetModel::within(const QRect &selection) const
{
    return selection.intersected(QRect(0, 0, columnCount(), rowCount()));
}

std::optional<QString> SheetModel::clearedText() const
{
    return std::nullopt;
}

QList<QStringList> SheetModel::readBlock(const QList<QStringList> &block) const
{
    return block;
}

std::optional<QString> SheetModel::check(Tanimlamalar &scratch, const PlacedCell &cell) const
{
    const int row = cell.at.y();
    const int column = cell.at.x();
    if (isEditable(column))
        return writeCell(scratch, row, column, cell.text);
    // A block copied with its row names goes back where it came from.
    const QString name = cellText(model_, row, column);
    if (cell.text.trimmed() == name)
        return std::nullopt;
    return cellRefusal(name, cell.text, kNotEditable);
}

SheetModel::Paste SheetModel::checkCells(const QList<PlacedCell> &cells) const
{
    const auto scratch = std::make_unique<Tanimlamalar>(model_);
    // Each cell is written into the scratch copy, so the count below sees the whole paste.
    std::optional<QString> refusal;
    for (auto cell = cells.begin(); !refusal && cell != cells.end(); ++cell)
        refusal = check(*scratch, *cell);
    if (refusal)
        return {cells, *refusal};
    const auto changesFilled = [this, &scratch](const PlacedCell &cell) {
        const QString before = cellText(model_, cell.at.y(), cell.at.x());
        return !before.isEmpty() && before != cellText(*scratch, cell.at.y(), cell.at.x());
    };
    return {cells, {}, int(std::count_if(cells.begin(), cells.end(), changesFilled))};
}

bool SheetModel::take(const Paste &checked, SheetAction action)
{
    if (!checked.refusal.isEmpty()) {
        emit refused(checked.refusal);
        return false;
    }
    return apply(checked, action);
}

bool SheetModel::apply(const Paste &checked, SheetAction action)
{
    const QList<PlacedCell> cells = editableCells(checked.cells);
    if (cells.isEmpty())
        return true;
    const PlacedCell &first = cells.front();
    const QString name = cells.size() == 1 ? cellName(first.at.y(), first.at.x()) : sheetStepName(action, cells.size());
    return document_.change(name, [this, &cells](Tanimlamalar &model) {
        for (const PlacedCell &cell : cells)
            writeCell(model, cell.at.y(), cell.at.x(), cell.text);
        return true;
    });
}

// Cell by cell, and only those whose text changed: a view tells each such cell to the
// accessibility tools (a range it only repaints), and a whole-site step stays cheap.
void SheetModel::refresh()
{
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            QString text = cellText(model_, row, column);
            QString &shown = shown_[row * columnCount() + column];
            if (text == shown)
                continue;
            shown = std::move(text);
            emit dataChanged(index(row, column), index(row, column), {Qt::DisplayRole, Qt::EditRole});
        }
    }
}
