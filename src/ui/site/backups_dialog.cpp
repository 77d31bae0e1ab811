#include "ui/site/backups_dialog.h"

#include "ui/overview/overview_texts.h"
#include "ui/site/site_texts.h"

#include <QDesktopServices>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int kStartWidth = 560;
constexpr int kStartHeight = 480;

QTableWidgetItem *readOnlyItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString differenceCount(const std::optional<QList<SettingsDifference>> &differences)
{
    return differences ? texts::kBackupDifferences.arg(differences->size()) : texts::kBackupUnreadable;
}

}  // namespace

BackupsDialog::BackupsDialog(SiteDocument &document, OperatorDialogs &dialogs, QWidget *parent)
    : QDialog(parent),
      document_(document),
      dialogs_(dialogs),
      table_(new QTableWidget(0, 3)),
      differences_(new QListWidget),
      differencesOf_(new QLabel)
{
    setWindowTitle(texts::kBackupsTitle);
    table_->setAccessibleName(texts::kBackupsTitle);
    table_->setHorizontalHeaderLabels({texts::kBackupTime, texts::kBackupDifferenceHeading, texts::kBackupKind});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    differences_->setAccessibleName(overviewTexts::kDifferences);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(texts::kBackupsOf.arg(document_.shownPath())));
    layout->addWidget(table_, 2);
    layout->addWidget(differencesOf_);
    layout->addWidget(differences_, 1);
    layout->addWidget(buildButtons());
    resize(kStartWidth, kStartHeight);
    fill();
}

QWidget *BackupsDialog::buildButtons()
{
    restore_ = new QPushButton(texts::kRestoreBackup);
    compare_ = new QPushButton(texts::kShowBackupDifferences);
    auto *folder = new QPushButton(texts::kOpenBackupFolder);
    auto *close = new QPushButton(texts::kClose);
    connect(restore_, &QPushButton::clicked, this, &BackupsDialog::restoreChosen);
    connect(compare_, &QPushButton::clicked, this, &BackupsDialog::showDifferences);
    connect(folder, &QPushButton::clicked, this, &BackupsDialog::openFolder);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *row = new QWidget;
    auto *buttons = new QHBoxLayout(row);
    buttons->setContentsMargins(0, 0, 0, 0);
    for (QPushButton *button : {restore_, compare_, folder})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(close);
    return row;
}

// The rows and their counts from the folder, as it is now.
void BackupsDialog::fill()
{
    const int chosen = chosenRow();
    copies_ = document_.backups();
    table_->setRowCount(static_cast<int>(copies_.size()));
    for (int r = 0; r < table_->rowCount(); ++r) {
        const BackupCopy &copy = copies_.at(r);
        table_->setItem(r, 0, readOnlyItem(copy.time.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"))));
        table_->setItem(r, 1, readOnlyItem(differenceCount(document_.differencesFrom(copy.path))));
        table_->setItem(r, 2, readOnlyItem(copy.unsaved ? texts::kUnsavedBackup : texts::kSavedBackup));
    }
    if (!copies_.isEmpty())
        table_->selectRow(chosen >= 0 && chosen < table_->rowCount() ? chosen : 0);
    restore_->setEnabled(!copies_.isEmpty());
    compare_->setEnabled(!copies_.isEmpty());
}

int BackupsDialog::chosenRow() const
{
    const QList<QTableWidgetItem *> chosen = table_->selectedItems();
    return chosen.isEmpty() ? -1 : chosen.first()->row();
}

void BackupsDialog::restoreChosen()
{
    const int row = chosenRow();
    if (row >= 0 && document_.restore(copies_.at(row).path))
        fill();
}

void BackupsDialog::showDifferences()
{
    const int row = chosenRow();
    if (row < 0)
        return;
    differences_->clear();
    differencesOf_->setText(texts::kBackupDifferencesOf.arg(table_->item(row, 0)->text()));
    const std::optional<QList<SettingsDifference>> differences = document_.differencesFrom(copies_.at(row).path);
    if (!differences)
        differences_->addItem(texts::kBackupUnreadable);
    else if (differences->isEmpty())
        differences_->addItem(overviewTexts::kNoDifferences);
    for (const SettingsDifference &difference : differences.value_or(QList<SettingsDifference>{}))
        differences_->addItem(difference.line);
}

void BackupsDialog::openFolder()
{
    const QString folder = document_.backupFolder();
    if (!QDir().mkpath(folder) || !QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        dialogs_.inform(texts::kBackupFolderNotOpened.arg(QDir::toNativeSeparators(folder)));
}
