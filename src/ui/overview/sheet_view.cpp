#include "ui/overview/sheet_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

SheetView::SheetView(const QString &name, QWidget *parent) : QTableView(parent)
{
    setObjectName(name);
    setAccessibleName(name);
    verticalHeader()->hide();
    // Rows as tight as the text allows: some 20 terminals in sight on a laptop's screen.
    verticalHeader()->setMinimumSectionSize(fontMetrics().height() + 2);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
}

void SheetView::setModel(QAbstractItemModel *model)
{
    QTableView::setModel(model);
    delete names_;
    names_ = new QTableView(this);
    names_->setModel(model);
    names_->setSelectionModel(selectionModel());
    names_->setFocusPolicy(Qt::NoFocus);
    names_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    names_->verticalHeader()->hide();
    names_->verticalHeader()->setMinimumSectionSize(verticalHeader()->minimumSectionSize());
    names_->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    names_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    names_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    names_->setStyleSheet(QStringLiteral("QTableView { border: none; }"));
    for (int column = 1; column < model->columnCount(); ++column)
        names_->setColumnHidden(column, true);
    viewport()->stackUnder(names_);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (column == 0) {
            names_->setColumnWidth(0, width);
            placeNames();
        }
    });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, names_->verticalScrollBar(), &QScrollBar::setValue);
    connect(names_->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(), &QScrollBar::setValue);
    names_->show();
    placeNames();
}

void SheetView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    placeNames();
}

// A name scrolled to brings its row into sight and leaves the slots where they are.
void SheetView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    const int across = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hint);
    if (index.column() == 0)
        horizontalScrollBar()->setValue(across);
}

void SheetView::placeNames()
{
    if (names_)
        names_->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), columnWidth(0),
                            viewport()->height() + horizontalHeader()->height());
}

QPoint SheetView::currentCell() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? QPoint(current.column(), current.row()) : QPoint(1, 0);
}

QRect SheetView::chosenCells() const
{
    QRect cells(currentCell(), QSize(1, 1));
    for (const QModelIndex &index : selectionModel()->selectedIndexes())
        cells = cells.united(QRect(index.column(), index.row(), 1, 1));
    return selectionModel()->hasSelection() ? cells : QRect(currentCell(), QSize(1, 1));
}

std::optional<QRect> SheetView::selectedArea() const
{
    const QRect cells = chosenCells();
    if (cells.width() * cells.height() <= 1)
        return std::nullopt;
    return cells;
}

bool SheetView::startsEditing(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || event->modifiers() != Qt::NoModifier || state() == QAbstractItemView::EditingState)
        return false;
    return edit(currentIndex(), QAbstractItemView::EditKeyPressed, event);
}

void SheetView::keyPressEvent(QKeyEvent *event)
{
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);
    const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
    if (event->matches(QKeySequence::Copy) || (control && shift && event->key() == Qt::Key_C))
        emit copyAsked(shift);
    else if (event->matches(QKeySequence::Paste))
        emit pasteAsked();
    else if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier)
        emit clearAsked();
    else if (control && event->key() == Qt::Key_D)
        emit fillDownAsked();
    else if (event->matches(QKeySequence::Undo))
        emit undoAsked();
    else if (event->matches(QKeySequence::Redo) || (control && event->key() == Qt::Key_Y))
        emit redoAsked();
    else if (control && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter))
        emit showAsked();
    else if (!startsEditing(event))
        QTableView::keyPressEvent(event);
}
