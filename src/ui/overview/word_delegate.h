#pragma once

#include <QHash>
#include <QStringList>
#include <QStyledItemDelegate>

// Cells of a column that takes one of a few words ("Açık"/"Kapalı") are edited by choosing
// the word; the other cells are typed.
class WordDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit WordDelegate(QHash<int, QStringList> wordsByColumn, QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    QHash<int, QStringList> wordsByColumn_;
};
