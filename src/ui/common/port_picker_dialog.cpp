#include "port_picker_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QStringList kColumns = {QStringLiteral("Port"),    QStringLiteral("Açıklama"),  QStringLiteral("Üretici"),
                              QStringLiteral("Seri No"), QStringLiteral("Kalıcı ad"), QStringLiteral("Durum"),
                              QStringLiteral("Com port")};
constexpr int kWidth = 900;
constexpr int kHeight = 320;

}  // namespace

PortPickerDialog::PortPickerDialog(RowSource listPorts, QWidget *parent)
    : QDialog(parent), listPorts_(std::move(listPorts))
{
    setObjectName(QStringLiteral("Port_Secimi"));
    setWindowTitle(QStringLiteral("Port Seçimi"));
    resize(kWidth, kHeight);

    table_ = new QTableWidget(0, int(kColumns.size()), this);
    table_->setObjectName(QStringLiteral("Port_Listesi"));
    table_->setAccessibleName(QStringLiteral("Seri portlar"));
    table_->setHorizontalHeaderLabels(kColumns);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->hide();

    empty_ = new QLabel(noPortsMessage(), this);
    empty_->setObjectName(QStringLiteral("Port_Yok"));
    empty_->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    choose_ = buttons->button(QDialogButtonBox::Ok);
    auto *refresh = buttons->addButton(QStringLiteral("Yenile"), QDialogButtonBox::ResetRole);
    refresh->setObjectName(QStringLiteral("Yenile"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(refresh, &QPushButton::clicked, this, &PortPickerDialog::refill);
    connect(table_, &QTableWidget::itemSelectionChanged, this,
            [this] { choose_->setEnabled(table_->currentRow() >= 0 && !table_->selectedItems().isEmpty()); });
    connect(table_, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(empty_);
    layout->addWidget(buttons);
    refill();
}

std::optional<PortDescription> PortPickerDialog::chosenPort() const
{
    const int row = table_->currentRow();
    if (result() != QDialog::Accepted || row < 0 || row >= rows_.size() || table_->selectedItems().isEmpty())
        return std::nullopt;
    return rows_.at(row).port;
}

void PortPickerDialog::refill()
{
    rows_ = listPorts_();
    table_->clearContents();
    table_->setRowCount(int(rows_.size()));
    for (int row = 0; row < rows_.size(); ++row)
        fillRow(row, rows_.at(row));
    table_->resizeColumnsToContents();
    empty_->setVisible(rows_.isEmpty());
    table_->setVisible(!rows_.isEmpty());
    choose_->setEnabled(false);
}

void PortPickerDialog::fillRow(int row, const PortRow &port)
{
    const QStringList cells = {port.port.device,       port.port.description, port.port.manufacturer,
                               port.port.serialNumber, port.port.byIdName,    portAccessText(port.access),
                               port.mappedAs};
    for (int column = 0; column < cells.size(); ++column)
        table_->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    if (!port.mappedAs.isEmpty()) {
        for (int column = 0; column < cells.size(); ++column) {
            QFont font = table_->item(row, column)->font();
            font.setBold(true);
            table_->item(row, column)->setFont(font);
        }
    }
}
