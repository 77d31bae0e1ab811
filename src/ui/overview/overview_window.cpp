#include "overview_window.h"

#include "overview_texts.h"
#include "settings_comparison.h"
#include "settings_file.h"
#include "site_checks.h"
#include "site_files.h"
#include "site_tables.h"

#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QColor kFindingColour(0xff, 0xe0, 0x8a);
const QColor kDifferenceColour(0xa8, 0xd0, 0xff);
constexpr int kStartWidth = 900;
constexpr int kStartHeight = 820;

QTableWidget *tableFor(const SiteTable &shape, const QString &name)
{
    auto *table = new QTableWidget(int(shape.rows.size()), int(shape.headers.size()));
    table->setObjectName(name);
    table->setAccessibleName(name);
    table->setHorizontalHeaderLabels(shape.headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (int r = 0; r < table->rowCount(); ++r) {
        for (int c = 0; c < table->columnCount(); ++c)
            table->setItem(r, c, new QTableWidgetItem);
    }
    return table;
}

// The texts, with every mark of the last showing taken away.
void showIn(QTableWidget *table, const SiteTable &content)
{
    for (int r = 0; r < table->rowCount(); ++r) {
        for (int c = 0; c < table->columnCount(); ++c) {
            QTableWidgetItem *cell = table->item(r, c);
            cell->setText(content.rows[r][c]);
            cell->setData(Qt::BackgroundRole, QVariant());
            cell->setToolTip(QString());
        }
    }
}

// One cell, or the whole row where column is -1; tips add up when marks meet.
void mark(QTableWidget *table, int row, int column, const QColor &colour, const QString &tip)
{
    const int first = column < 0 ? 0 : column;
    const int last = column < 0 ? table->columnCount() - 1 : column;
    for (int c = first; c <= last; ++c) {
        QTableWidgetItem *cell = table->item(row, c);
        cell->setBackground(colour);
        cell->setToolTip(cell->toolTip().isEmpty() ? tip : cell->toolTip() + QLatin1Char('\n') + tip);
    }
}

QGroupBox *framed(const QString &title, QWidget *content)
{
    auto *frame = new QGroupBox(title);
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(content);
    return frame;
}

QListWidget *listNamed(const QString &name)
{
    auto *list = new QListWidget;
    list->setAccessibleName(name);
    return list;
}

}  // namespace

OverviewWindow::OverviewWindow(const Tanimlamalar &model, OperatorDialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window),
      model_(model),
      dialogs_(dialogs),
      comparedFile_(new QLabel(overviewTexts::kNotCompared))
{
    setObjectName(QStringLiteral("GenelBakis"));
    setWindowTitle(overviewTexts::kTitle);
    auto *compare = new QPushButton(overviewTexts::kCompare);
    connect(compare, &QPushButton::clicked, this, &OverviewWindow::compareWithFile);
    auto *top = new QHBoxLayout;
    top->addWidget(compare);
    top->addWidget(comparedFile_, 1);

    auto *splitter = new QSplitter(Qt::Vertical);
    buildTables(splitter);
    splitter->addWidget(buildLists());
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(new QLabel(overviewTexts::kChooseHint));
    layout->addWidget(splitter, 1);
    resize(kStartWidth, kStartHeight);
    refresh();
}

void OverviewWindow::buildTables(QSplitter *splitter)
{
    groups_ = tableFor(groupTable(model_), overviewTexts::kGroups);
    terminals_ = tableFor(terminalTable(model_), overviewTexts::kTerminals);
    connect(groups_, &QTableWidget::activated, this, [this](const QModelIndex &at) { emit groupChosen(at.row()); });
    connect(terminals_, &QTableWidget::activated, this,
            [this](const QModelIndex &at) { emit terminalChosen(at.row()); });
    splitter->addWidget(framed(overviewTexts::kGroups, groups_));
    splitter->addWidget(framed(overviewTexts::kTerminals, terminals_));
}

QWidget *OverviewWindow::buildLists()
{
    findings_ = listNamed(overviewTexts::kFindings);
    differences_ = listNamed(overviewTexts::kDifferences);
    auto *lists = new QSplitter(Qt::Horizontal);
    lists->addWidget(framed(overviewTexts::kFindings, findings_));
    lists->addWidget(framed(overviewTexts::kDifferences, differences_));
    return lists;
}

void OverviewWindow::refresh()
{
    showIn(groups_, groupTable(model_));
    showIn(terminals_, terminalTable(model_));
    markFindings();
    markDifferences();
}

void OverviewWindow::markFindings()
{
    findings_->clear();
    for (const SiteFinding &finding : siteChecks(model_)) {
        const QString text = finding.text();
        findings_->addItem(text);
        if (finding.terminal < 0)
            mark(groups_, finding.group, -1, kFindingColour, text);
        else if (finding.slot < 0)
            mark(terminals_, finding.terminal, -1, kFindingColour, text);
        else
            mark(terminals_, finding.terminal, TerminalColumn::FirstSlot + finding.slot, kFindingColour, text);
    }
    if (findings_->count() == 0)
        findings_->addItem(overviewTexts::kNothingFound);
}

void OverviewWindow::markDifferences()
{
    differences_->clear();
    if (!compared_)
        return;
    const QList<SettingsDifference> differences = compareSettings(model_, *compared_);
    comparedFile_->setText(overviewTexts::kComparedWith.arg(comparedPath_).arg(differences.size()));
    for (const SettingsDifference &difference : differences) {
        differences_->addItem(difference.line);
        if (difference.column < 0)
            continue;
        QTableWidget *table = difference.table == SettingsDifference::Table::Groups ? groups_ : terminals_;
        mark(table, difference.row, difference.column, kDifferenceColour, difference.line);
    }
    if (differences.isEmpty())
        differences_->addItem(overviewTexts::kNoDifferences);
}

// A file that cannot be read whole is no base for a comparison: the marks stay as they were.
void OverviewWindow::compareWithFile()
{
    emit aboutToCompare();
    const QString path = dialogs_.chooseSiteFileToOpen(SiteFile::Settings);
    if (path.isEmpty())
        return;
    const QString shown = QDir::toNativeSeparators(path);
    Tanimlamalar other;
    const int code = loadSettingsFile(other, path);
    if (code != SettingsError::None) {
        dialogs_.inform(siteFileReadMessage(code, path) + QLatin1Char('\n') + overviewTexts::kNotComparedNow);
        return;
    }
    compared_ = other;
    comparedPath_ = shown;
    refresh();
}
