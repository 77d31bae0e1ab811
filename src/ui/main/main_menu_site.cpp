#include "main_menu.h"

#include "backups_dialog.h"
#include "com_port_frame.h"
#include "main_menu_texts.h"
#include "overview_window.h"
#include "platform_paths.h"
#include "recent_files.h"
#include "same_file.h"
#include "send_record.h"
#include "site_files.h"
#include "site_report.h"
#include "unit_menu.h"

#include <algorithm>

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

// The "Dosya" menu and the overview: the site's files through the document, the report and
// the CSV. Whatever comes in from a file reaches the panels and the images as at start-up;
// nothing is written to the open file until the next save.

namespace {

QString datedName(const QString &pattern)
{
    return pattern.arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
}

}  // namespace

// Beside the open file, where the operator keeps the site. The platform's own settings file
// lives where nobody keeps a site (C:\, ~/.config): then where the dialogs start.
QString Main_Menu::besideOpenFile(const QString &name) const
{
    if (sameFile(document_.path(), settingsFilePath()))
        return QDir(firstDialogFolder()).filePath(name);
    return QFileInfo(document_.path()).dir().filePath(name);
}

// Beside the main window where the screen has room for most of the window (narrowed to that
// room), so that both stay in sight while the installer edits and watches; else against the
// screen's right edge, covering no more of the main window than it must.
void Main_Menu::placeBeside(QWidget *window) const
{
    constexpr double kNarrowestShare = 0.8;
    const QRect room = screen()->availableGeometry();
    const QPoint beside = frameGeometry().topRight() + QPoint(1, 0);
    const int besideWidth = room.right() - beside.x();
    if (besideWidth >= window->width() * kNarrowestShare) {
        window->resize(std::min(window->width(), besideWidth), window->height());
        window->move(beside);
        return;
    }
    window->move(std::max(room.left(), room.right() - window->width()), beside.y());
}

void Main_Menu::buildMenuBar()
{
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("menuBar"));
    QMenu *file = menuBar_->addMenu(texts::kFileMenu);
    open_ = file->addAction(texts::kOpenFile, QKeySequence(Qt::CTRL | Qt::Key_O), this, [this] { chooseSiteFile(); });
    file->addAction(texts::kSaveFile, QKeySequence(Qt::CTRL | Qt::Key_S), this, [this] { saveSiteFile(); });
    file->addAction(texts::kSaveFileAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this,
                    [this] { saveSiteFileAs(); });
    recentFiles_ = file->addMenu(texts::kRecentFilesMenu);
    connect(recentFiles_, &QMenu::aboutToShow, this, &Main_Menu::fillRecentFiles);
    backups_ = file->addAction(texts::kBackups, this, [this] { showBackups(); });
    file->addSeparator();
    file->addAction(texts::kReport, this, [this] { writeReport(); });
    file->addAction(texts::kExportCsv, this, [this] { exportCsv(); });
    file->addAction(texts::kImportCsv, this, [this] { importCsv(); });
    file->addSeparator();
    file->addAction(texts::kQuit, QKeySequence(Qt::CTRL | Qt::Key_Q), this, [this] { close(); });
    buildEditMenu();
    unitMenu_ = new UnitMenu(
        *menuBar_, session_, [this] { takeTyped(); }, *this);
    QAction *overview = menuBar_->addAction(texts::kOverview);
    overview->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    connect(overview, &QAction::triggered, this, [this] { showOverview(); });
}

void Main_Menu::fillRecentFiles()
{
    recentFiles_->clear();
    const QStringList files = recentFiles();
    for (int i = 0; i < files.size(); ++i) {
        const QString &path = files.at(i);
        recentFiles_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path), this,
                                [this, path] { openSiteFile(path); });
    }
    if (files.isEmpty())
        recentFiles_->addAction(texts::kNoRecentFiles)->setEnabled(false);
}

void Main_Menu::chooseSiteFile()
{
    if (document_.transferRunning() || !mayDropDocument())
        return;
    const QString path = dialogs_.chooseSiteFileToOpen(SiteFile::Settings);
    if (!path.isEmpty())
        document_.open(path);
}

void Main_Menu::openSiteFile(const QString &path)
{
    if (!document_.transferRunning() && mayDropDocument())
        document_.open(path);
}

void Main_Menu::showBackups()
{
    takeTyped();
    if (document_.transferRunning())
        return;
    BackupsDialog dialog(document_, dialogs_, this);
    dialog.exec();
}

void Main_Menu::saveSiteFile()
{
    takeTyped();
    document_.save();
}

void Main_Menu::saveSiteFileAs()
{
    takeTyped();
    const QString path =
        dialogs_.chooseSiteFileToSave(SiteFile::Settings, besideOpenFile(QFileInfo(document_.path()).fileName()));
    if (!path.isEmpty())
        document_.saveAs(path);
}

void Main_Menu::writeReport()
{
    takeTyped();
    const QString path = dialogs_.chooseSiteFileToSave(SiteFile::Report,
                                                       besideOpenFile(datedName(QStringLiteral("Site-Raporu-%1.pdf"))));
    if (path.isEmpty())
        return;
    if (document_.isSettingsFile(path)) {
        dialogs_.inform(reportOverSettingsMessage(path));
        return;
    }
    const ReportFacts facts{QDateTime::currentDateTime(), document_.shownPath(),
                            lastSendsTable(readSendRecord(session_.recordedFile()).transfers)};
    const QString fault = writeSiteReport(path, model_, facts);
    dialogs_.inform(fault.isEmpty() ? texts::kReportWritten.arg(QDir::toNativeSeparators(path)) : fault);
}

void Main_Menu::exportCsv()
{
    takeTyped();
    const QString path =
        dialogs_.chooseSiteFileToSave(SiteFile::Csv, besideOpenFile(datedName(QStringLiteral("Site-%1.csv"))));
    if (path.isEmpty())
        return;
    if (document_.isSettingsFile(path)) {
        dialogs_.inform(csvOverSettingsMessage(path));
        return;
    }
    if (exportSettingsCsv(model_, dialogs_, path))
        dialogs_.inform(texts::kCsvWritten.arg(QDir::toNativeSeparators(path)));
}

void Main_Menu::importCsv()
{
    takeTyped();
    const QString path = dialogs_.chooseSiteFileToOpen(SiteFile::Csv);
    if (!path.isEmpty())
        document_.importCsv(path);
}

void Main_Menu::showOverview()
{
    takeTyped();
    if (!overview_) {
        overview_ = new OverviewWindow(model_, document_, dialogs_);
        overview_->setAttribute(Qt::WA_DeleteOnClose);
        connect(&document_, &SiteDocument::changed, overview_, &OverviewWindow::refresh);
        connect(overview_, &OverviewWindow::aboutToCompare, this, &Main_Menu::takeTyped);
        connect(overview_, &OverviewWindow::terminalChosen, this, &Main_Menu::showTerminal);
        connect(overview_, &OverviewWindow::groupChosen, this, &Main_Menu::showGroup);
        placeBeside(overview_);
    }
    overview_->show();
    overview_->raise();
    overview_->activateWindow();
}

// The panels and the images from the model, as the start-up leaves them.
void Main_Menu::refillFromModel()
{
    comPortFrame_->load();
    Terminal_Yukle();
    Update_data();
}
