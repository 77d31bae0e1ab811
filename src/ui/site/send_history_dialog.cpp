#include "ui/site/send_history_dialog.h"

#include "session/send_record.h"
#include "ui/site/site_texts.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kStartWidth = 640;
constexpr int kStartHeight = 420;

QTableWidget *historyTable(const QList<SentTransfer> &transfers)
{
    const QStringList headings = historyHeadings();
    auto *table = new QTableWidget(static_cast<int>(transfers.size()), static_cast<int>(headings.size()));
    table->setAccessibleName(texts::kSendHistoryTitle);
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    int row = 0;
    for (auto transfer = transfers.crbegin(); transfer != transfers.crend(); ++transfer, ++row) {
        const QStringList cells = historyCells(*transfer);
        for (int column = 0; column < cells.size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
    return table;
}

}  // namespace

SendHistoryDialog::SendHistoryDialog(const QString &settingsPath, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(texts::kSendHistoryTitle);
    const SendRecord record = readSendRecord(settingsPath);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(texts::kSendHistoryOf.arg(QDir::toNativeSeparators(settingsPath))));
    if (!record.setAside.isEmpty())
        layout->addWidget(new QLabel(recordSetAsideLine(record.setAside)));
    layout->addWidget(historyTable(record.transfers));
    auto *buttons = new QDialogButtonBox;
    buttons->addButton(texts::kClose, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(kStartWidth, kStartHeight);
}
