#pragma once

#include <QRect>
#include <QTableView>

#include <optional>

// A sheet of the overview: a cell is typed in place (F2, Enter, a double click or just
// typing), selections are made by keyboard and mouse, and a spreadsheet's keys are told to
// the window, which turns them into the sheet's calls. Places are as QRect has them: x the
// column, y the row.
class SheetView : public QTableView {
    Q_OBJECT
public:
    explicit SheetView(const QString &name, QWidget *parent = nullptr);

    // The column naming the rows also shows in a view of its own over the left edge, so it
    // stays in sight while the slots scroll under it.
    void setModel(QAbstractItemModel *model) override;

    // The cells the selection spans, or the current cell alone.
    QRect chosenCells() const;
    // The selection where it holds more than the current cell.
    std::optional<QRect> selectedArea() const;
    QPoint currentCell() const;

signals:
    void copyAsked(bool asPairs);  // Ctrl+C; Ctrl+Shift+C for (grup, sayı) pairs
    void pasteAsked();             // Ctrl+V
    void clearAsked();             // Delete
    void fillDownAsked();          // Ctrl+D
    void showAsked();              // Ctrl+Enter: the row in the main window
    void undoAsked();              // Ctrl+Z, as in the main window: one history
    void redoAsked();              // Ctrl+Y

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

private:
    bool startsEditing(QKeyEvent *event);
    void placeNames();

    QTableView *names_ = nullptr;
};
