#include "ui/common/port_picker_dialog.h"

#include "ports/port_messages.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The by-id and access columns only where the platform has them (not on Windows).
QStringList columnTitles()
{
    QStringList titles{QStringLiteral("Port"), QStringLiteral("Açıklama"), QStringLiteral("Üretici"),
                       QStringLiteral("Seri No")};
    if (portsHaveStableNames())
        titles.append(QStringLiteral("Kalıcı ad"));
    if (portAccessIsKnown())
        titles.append(QStringLiteral("Durum"));
    return titles + QStringList{QStringLiteral("Com port"), QStringLiteral("Adaptör")};
}

QStringList rowCells(const PortRow &port)
{
    QStringList cells{port.port.device, port.port.description, port.port.manufacturer, port.port.serialNumber};
    if (portsHaveStableNames())
        cells.append(port.port.byIdName);
    if (portAccessIsKnown())
        cells.append(portAccessText(port.access));
    return cells + QStringList{port.mappedAs, adapterText(port.port)};
}

constexpr int kWidth = 900;
constexpr int kHeight = 320;

QTableWidget *makePortTable(QWidget *parent)
{
    const QStringList titles = columnTitles();
    auto *table = new QTableWidget(0, int(titles.size()), parent);
    table->setObjectName(QStringLiteral("Port_Listesi"));
    table->setAccessibleName(QStringLiteral("Seri portlar"));
    table->setHorizontalHeaderLabels(titles);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->hide();
    return table;
}

QLabel *makeNoPortsLine(QWidget *parent)
{
    auto *line = new QLabel(noPortsMessage(), parent);
    line->setObjectName(QStringLiteral("Port_Yok"));
    line->setWordWrap(true);
    return line;
}

}  // namespace

PortPickerDialog::PortPickerDialog(RowSource listPorts, QWidget *parent)
    : QDialog(parent), listPorts_(std::move(listPorts)), table_(makePortTable(this)), empty_(makeNoPortsLine(this))
{
    setObjectName(QStringLiteral("Port_Secimi"));
    setWindowTitle(QStringLiteral("Port Seçimi"));
    resize(kWidth, kHeight);

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
    const QStringList cells = rowCells(port);
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
