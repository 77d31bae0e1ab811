#pragma once

#include "config/tanimlamalar.h"
#include "session/site_document.h"
#include "session/step_names.h"
#include "site/sheet_block.h"

#include <QAbstractTableModel>

#include <optional>

// What the overview's two tables share: cells shown as the report shows them, edits checked
// with the ranges of the CSV import and the panels and made as steps of the document, and the
// paste, Delete, fill down and copy of a selection. Column 0 names the row and takes no edit.
// The views follow every change of the document: an edit here or on a panel, an undo, a file
// opened. Places are as QRect has them: x the column, y the row.
class SheetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // A paste checked against the site, not applied yet.
    struct Paste {
        QList<PlacedCell> cells;
        QString refusal;      // the first cell refused, row by row; empty when every cell is taken
        int overwritten = 0;  // cells shown filled whose value the paste changes
    };

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // One step named after the cell; a refused value changes nothing and is told by refused().
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // `block` from the current cell, or into the selection; a cell of the row-naming column
    // is taken only as the text it shows.
    Paste checkPaste(QPoint current, const QList<QStringList> &block, const std::optional<QRect> &selection) const;
    // A checked paste as one step; a refused one changes nothing and is told by refused().
    bool paste(const Paste &checked);
    // Delete: the selected cells to what an empty cell means, as one step; false where Delete
    // clears nothing.
    bool clear(const QRect &selection);
    // Ctrl+D: the selection's first row into its other rows, as one step.
    bool fillDown(const QRect &selection);
    // The selected cells as shown, for the clipboard.
    QString copyText(const QRect &selection) const;

signals:
    void refused(const QString &text);

protected:
    SheetModel(const Tanimlamalar &model, SiteDocument &document, QStringList headers, int rows,
               QObject *parent = nullptr);

    const Tanimlamalar &site() const { return model_; }
    // The texts the views show from the start; called once the table can tell them.
    void rememberShown();
    // What of a selection lies on the table.
    QRect within(const QRect &selection) const;

private:
    virtual QString cellText(const Tanimlamalar &model, int row, int column) const = 0;
    virtual std::optional<QString> writeCell(Tanimlamalar &model, int row, int column, const QString &text) const = 0;
    virtual QString cellName(int row, int column) const = 0;
    // What Delete leaves in a cell; none where it clears nothing.
    virtual std::optional<QString> clearedText() const;
    // The pasted cells as the table reads them.
    virtual QList<QStringList> readBlock(const QList<QStringList> &block) const;

    std::optional<QString> check(Tanimlamalar &scratch, const PlacedCell &cell) const;
    Paste checkCells(const QList<PlacedCell> &cells) const;
    // Tells a refusal, or applies the cells as one step named after `action` or the one cell.
    bool take(const Paste &checked, SheetAction action);
    bool apply(const Paste &checked, SheetAction action);
    void refresh();

    const Tanimlamalar &model_;
    SiteDocument &document_;
    QStringList headers_;
    int rows_;
    QStringList shown_;  // each cell's text as the views were last told, row by row
};
