#include "ui/site/copy_list_dialog.h"

#include "images/unit_names.h"
#include "panels/panel_load.h"
#include "ui/common/button_texts.h"
#include "ui/panels/panel_texts.h"
#include "ui/site/site_texts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kBoxColumns = 8;

QTableWidgetItem *readOnlyItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString groupText(int16_t group)
{
    return group == 0 ? texts::kNoGroup : groupName(group - 1);
}

}  // namespace

CopyListDialog::CopyListDialog(const Tanimlamalar &model, int source, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(texts::kCopyListTitle.arg(source + 1));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(sourceRows(model, source));
    layout->addWidget(terminalBoxes(source));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(texts::kOk);
    buttons->button(QDialogButtonBox::Cancel)->setText(texts::kCancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QWidget *CopyListDialog::sourceRows(const Tanimlamalar &model, int source)
{
    auto *table = new QTableWidget(kPanelSlotCount, 2);
    table->setAccessibleName(texts::kCopyListRows.arg(source + 1));
    table->setHorizontalHeaderLabels({texts::kPriorityButtonHeading, texts::kCallCountHeading});
    for (int s = 0; s < kPanelSlotCount; ++s) {
        table->setVerticalHeaderItem(s, new QTableWidgetItem(texts::kPriorityRow.arg(s + 1)));
        table->setItem(s, 0, readOnlyItem(groupText(model.PriorityGroup[source][s])));
        table->setItem(s, 1, readOnlyItem(countText(model.PriorityCount[source][s])));
    }
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setMinimumHeight(table->verticalHeader()->length() / 2);
    return table;
}

QWidget *CopyListDialog::terminalBoxes(int source)
{
    auto *frame = new QGroupBox(texts::kCopyListTargets);
    auto *grid = new QGridLayout;
    for (int t = 0; t < kTerminalCount; ++t) {
        boxes_[t] = new QCheckBox(terminalName(t));
        boxes_[t]->setEnabled(t != source);
        grid->addWidget(boxes_[t], t / kBoxColumns, t % kBoxColumns);
    }
    auto *all = new QPushButton(texts::kTickAll);
    auto *none = new QPushButton(texts::kTickNone);
    connect(all, &QPushButton::clicked, this, [this] { tickAll(true); });
    connect(none, &QPushButton::clicked, this, [this] { tickAll(false); });
    auto *row = new QHBoxLayout;
    row->addWidget(all);
    row->addWidget(none);
    row->addStretch();
    auto *layout = new QVBoxLayout(frame);
    layout->addLayout(grid);
    layout->addLayout(row);
    return frame;
}

void CopyListDialog::tickAll(bool ticked)
{
    for (QCheckBox *box : boxes_) {
        if (box->isEnabled())
            box->setChecked(ticked);
    }
}

QList<int> CopyListDialog::chosenTerminals() const
{
    QList<int> chosen;
    for (int t = 0; t < kTerminalCount; ++t) {
        if (boxes_[t]->isEnabled() && boxes_[t]->isChecked())
            chosen << t;
    }
    return chosen;
}
