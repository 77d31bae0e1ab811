#pragma once

#include "session/sheet_model.h"

// The overview's terminal table, one row per terminal, columns as TerminalColumn: the panel's
// 16 slots, each "grup/sayı". The slots past the panel's are never touched.
class TerminalSheetModel : public SheetModel {
    Q_OBJECT
public:
    TerminalSheetModel(const Tanimlamalar &model, SiteDocument &document, QObject *parent = nullptr);

    // The selected slots as (grup, sayı) pairs, two cells a slot, for a spreadsheet that
    // would read "3/10" as a date; the terminal column is left out.
    QString copyPairs(const QRect &selection) const;

private:
    QString cellText(const Tanimlamalar &model, int row, int column) const override;
    std::optional<QString> writeCell(Tanimlamalar &model, int row, int column, const QString &text) const override;
    QString cellName(int row, int column) const override;
    std::optional<QString> clearedText() const override;
    QList<QStringList> readBlock(const QList<QStringList> &block) const override;
};
