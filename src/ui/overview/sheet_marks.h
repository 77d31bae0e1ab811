#pragma once

#include <QColor>
#include <QHash>
#include <QIdentityProxyModel>

// The overview's marks over a sheet: a colour and a tip for a cell or a whole row, shown
// with the sheet's own texts. The marks are made anew after every change of the site.
class SheetMarks : public QIdentityProxyModel {
    Q_OBJECT
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    void clear();
    // One cell, or the whole row where column is -1; tips add up where marks meet.
    void mark(int row, int column, const QColor &colour, const QString &tip);
    // The marks made since clear() are shown.
    void show();

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    struct Mark {
        QColor colour;
        QString tip;
    };
    QHash<QPoint, Mark> marks_;  // x the column, y the row
};
