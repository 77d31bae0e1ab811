#pragma once

#include "session/sheet_model.h"

// The overview's group table, one row per group, columns as GroupColumn: every value but the
// group's name is edited here.
class GroupSheetModel : public SheetModel {
    Q_OBJECT
public:
    GroupSheetModel(const Tanimlamalar &model, SiteDocument &document, QObject *parent = nullptr);

private:
    QString cellText(const Tanimlamalar &model, int row, int column) const override;
    std::optional<QString> writeCell(Tanimlamalar &model, int row, int column, const QString &text) const override;
    QString cellName(int row, int column) const override;
};
