#include "ui/overview/word_delegate.h"

#include <QComboBox>

WordDelegate::WordDelegate(QHash<int, QStringList> wordsByColumn, QObject *parent)
    : QStyledItemDelegate(parent), wordsByColumn_(std::move(wordsByColumn))
{
}

QWidget *WordDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const auto words = wordsByColumn_.constFind(index.column());
    if (words == wordsByColumn_.cend())
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto *choice = new QComboBox(parent);
    choice->addItems(*words);
    return choice;
}

void WordDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *choice = qobject_cast<QComboBox *>(editor)) {
        choice->setCurrentText(index.data(Qt::EditRole).toString());
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void WordDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *choice = qobject_cast<QComboBox *>(editor)) {
        model->setData(index, choice->currentText());
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}
