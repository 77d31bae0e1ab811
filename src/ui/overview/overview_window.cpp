#include "ui/overview/overview_window.h"

#include "config/recent_files.h"
#include "config/settings_file.h"
#include "images/unit_names.h"
#include "session/group_sheet_model.h"
#include "session/site_document.h"
#include "session/site_files.h"
#include "session/terminal_sheet_model.h"
#include "site/settings_comparison.h"
#include "site/sheet_block.h"
#include "site/site_checks.h"
#include "site/site_tables.h"
#include "ui/overview/overview_texts.h"
#include "ui/overview/sheet_marks.h"
#include "ui/overview/sheet_view.h"
#include "ui/overview/word_delegate.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QVBoxLayout>

namespace {

const QColor kFindingColour(0xff, 0xe0, 0x8a);
const QColor kDifferenceColour(0xa8, 0xd0, 0xff);
// All 16 slots and some 20 terminals at once, on a 1366 × 768 screen.
constexpr int kStartWidth = 1300;
constexpr int kStartHeight = 680;
constexpr int kSheetsShare = 8;     // of the width, against the lists' 1
constexpr int kTerminalsShare = 5;  // of the sheets' height, against the groups' 1

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

// Beside the list of recent files, never in the settings file; none where that has no place.
QString layoutStore()
{
    const QString recent = recentFilesStore();
    return recent.isEmpty() ? QString() : QFileInfo(recent).dir().filePath(QStringLiteral("pencereler.ini"));
}

}  // namespace

OverviewWindow::OverviewWindow(const Tanimlamalar &model, SiteDocument &document, OperatorDialogs &dialogs,
                               QWidget *parent)
    : QWidget(parent, Qt::Window),
      model_(model),
      document_(document),
      dialogs_(dialogs),
      splitter_(new QSplitter(Qt::Horizontal)),
      comparedFile_(new QLabel(overviewTexts::kNotCompared)),
      warning_(new QLabel)
{
    setObjectName(QStringLiteral("GenelBakis"));
    setWindowTitle(overviewTexts::kTitle);
    auto *compare = new QPushButton(overviewTexts::kCompare);
    connect(compare, &QPushButton::clicked, this, &OverviewWindow::compareWithFile);
    auto *show = new QPushButton(overviewTexts::kShowInMain);
    connect(show, &QPushButton::clicked, this, &OverviewWindow::showChosenRow);
    auto *top = new QHBoxLayout;
    top->addWidget(compare);
    top->addWidget(show);
    top->addWidget(comparedFile_, 1);
    warning_->setAccessibleName(overviewTexts::kWarning);
    warning_->setWordWrap(true);

    auto *sheets = new QSplitter(Qt::Vertical);
    buildSheets(sheets);
    splitter_->addWidget(sheets);
    splitter_->addWidget(buildLists());
    splitter_->setStretchFactor(0, kSheetsShare);
    splitter_->setStretchFactor(1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(new QLabel(overviewTexts::kEditHint));
    layout->addWidget(splitter_, 1);
    layout->addWidget(warning_);
    restoreLayout();
    refresh();
}

void OverviewWindow::buildSheets(QSplitter *splitter)
{
    groupSheet_ = new GroupSheetModel(model_, document_, this);
    terminalSheet_ = new TerminalSheetModel(model_, document_, this);
    groupMarks_ = new SheetMarks(this);
    groupMarks_->setSourceModel(groupSheet_);
    terminalMarks_ = new SheetMarks(this);
    terminalMarks_->setSourceModel(terminalSheet_);
    groups_ = new SheetView(overviewTexts::kGroups);
    groups_->setModel(groupMarks_);
    groups_->setItemDelegate(new WordDelegate(
        {{GroupColumn::Enabled, {kEnabledWord, kDisabledWord}}, {GroupColumn::Limit, {kLimitWord, kNoLimitWord}}},
        groups_));
    terminals_ = new SheetView(overviewTexts::kTerminals);
    terminals_->setModel(terminalMarks_);
    lastSheet_ = terminals_;
    connectSheet(groups_, groupSheet_);
    connectSheet(terminals_, terminalSheet_);
    splitter->addWidget(framed(overviewTexts::kGroups, groups_));
    splitter->addWidget(framed(overviewTexts::kTerminals, terminals_));
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, kTerminalsShare);
}

void OverviewWindow::connectSheet(SheetView *view, SheetModel *model)
{
    connect(model, &SheetModel::refused, this, &OverviewWindow::warn);
    connect(view, &SheetView::copyAsked, this, [this, view, model](bool asPairs) { copy(view, model, asPairs); });
    connect(view, &SheetView::pasteAsked, this, [this, view, model] { paste(view, model); });
    connect(view, &SheetView::clearAsked, model, [view, model] { model->clear(view->chosenCells()); });
    connect(view, &SheetView::fillDownAsked, model, [view, model] { model->fillDown(view->chosenCells()); });
    connect(view, &SheetView::showAsked, this, &OverviewWindow::showChosenRow);
    connect(view, &SheetView::undoAsked, this, &OverviewWindow::undo);
    connect(view, &SheetView::redoAsked, this, &OverviewWindow::redo);
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this, [this, view] { lastSheet_ = view; });
}

// One history with the main window's.
void OverviewWindow::undo()
{
    if (document_.canUndo())
        document_.undo();
}

void OverviewWindow::redo()
{
    if (document_.canRedo())
        document_.redo();
}

void OverviewWindow::showChosenRow()
{
    const int row = lastSheet_->currentCell().y();
    if (lastSheet_ == groups_)
        emit groupChosen(row);
    else
        emit terminalChosen(row);
}

void OverviewWindow::copy(SheetView *view, SheetModel *model, bool asPairs)
{
    auto *terminals = qobject_cast<TerminalSheetModel *>(model);
    const QRect cells = view->chosenCells();
    QGuiApplication::clipboard()->setText(asPairs && terminals ? terminals->copyPairs(cells) : model->copyText(cells));
}

// Every cell is checked before anything changes; filled cells are overwritten only when the
// operator agrees.
void OverviewWindow::paste(SheetView *view, SheetModel *model)
{
    const SheetModel::Paste checked = model->checkPaste(
        view->currentCell(), clipboardCells(QGuiApplication::clipboard()->text()), view->selectedArea());
    if (checked.refusal.isEmpty() && checked.overwritten > 0 &&
        !dialogs_.askOkCancel(overviewTexts::kOverwrite.arg(checked.overwritten)))
        return;
    model->paste(checked);
}

QWidget *OverviewWindow::buildLists()
{
    findings_ = listNamed(overviewTexts::kFindings);
    differences_ = listNamed(overviewTexts::kDifferences);
    auto *lists = new QSplitter(Qt::Vertical);
    lists->addWidget(framed(overviewTexts::kFindings, findings_));
    lists->addWidget(framed(overviewTexts::kDifferences, differences_));
    return lists;
}

// Named "Uyarı" for the accessibility tools, the refusal is their description too.
void OverviewWindow::warn(const QString &text)
{
    warning_->setText(text);
    warning_->setAccessibleDescription(text);
}

void OverviewWindow::refresh()
{
    warn({});
    groupMarks_->clear();
    terminalMarks_->clear();
    markFindings();
    markDifferences();
    groupMarks_->show();
    terminalMarks_->show();
}

void OverviewWindow::markFindings()
{
    findings_->clear();
    for (const SiteFinding &finding : siteChecks(model_)) {
        const QString text = finding.text();
        findings_->addItem(text);
        if (finding.terminal < 0)
            groupMarks_->mark(finding.group, -1, kFindingColour, text);
        else if (finding.slot < 0)
            terminalMarks_->mark(finding.terminal, -1, kFindingColour, text);
        else
            terminalMarks_->mark(finding.terminal, TerminalColumn::FirstSlot + finding.slot, kFindingColour, text);
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
        SheetMarks *marks = difference.table == SettingsDifference::Table::Groups ? groupMarks_ : terminalMarks_;
        marks->mark(difference.row, difference.column, kDifferenceColour, difference.line);
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

void OverviewWindow::restoreLayout()
{
    resize(kStartWidth, kStartHeight);
    const QString store = layoutStore();
    if (store.isEmpty())
        return;
    const QSettings kept(store, QSettings::IniFormat);
    restoreGeometry(kept.value(QStringLiteral("GenelBakis/geometry")).toByteArray());
    splitter_->restoreState(kept.value(QStringLiteral("GenelBakis/splitter")).toByteArray());
}

void OverviewWindow::closeEvent(QCloseEvent *event)
{
    const QString store = layoutStore();
    if (!store.isEmpty()) {
        QSettings kept(store, QSettings::IniFormat);
        kept.setValue(QStringLiteral("GenelBakis/geometry"), saveGeometry());
        kept.setValue(QStringLiteral("GenelBakis/splitter"), splitter_->saveState());
    }
    QWidget::closeEvent(event);
}
