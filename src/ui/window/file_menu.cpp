#include "ui/window/file_menu.h"

#include "config/platform_paths.h"
#include "config/recent_files.h"
#include "config/same_file.h"
#include "report/site_report.h"
#include "session/send_record.h"
#include "session/site_files.h"
#include "session/unit_session.h"
#include "ui/site/backups_dialog.h"
#include "ui/window/menu_host.h"
#include "ui/window/window_texts.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace {

QString datedName(const QString &pattern)
{
    return pattern.arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
}

}  // namespace

FileMenu::FileMenu(QMenuBar &bar, Tanimlamalar &model, UnitSession &session, OperatorDialogs &dialogs, MenuHost &host,
                   QWidget &window)
    : QObject(&window),
      model_(model),
      session_(session),
      document_(session.document()),
      dialogs_(dialogs),
      host_(host),
      window_(window)
{
    QMenu *file = bar.addMenu(texts::kFileMenu);
    open_ = file->addAction(texts::kOpenFile, QKeySequence(Qt::CTRL | Qt::Key_O), this, [this] { chooseSiteFile(); });
    file->addAction(texts::kSaveFile, QKeySequence(Qt::CTRL | Qt::Key_S), this, [this] { saveSiteFile(); });
    file->addAction(texts::kSaveFileAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this,
                    [this] { saveSiteFileAs(); });
    recentFiles_ = file->addMenu(texts::kRecentFilesMenu);
    connect(recentFiles_, &QMenu::aboutToShow, this, &FileMenu::fillRecentFiles);
    backups_ = file->addAction(texts::kBackups, this, [this] { showBackups(); });
    file->addSeparator();
    file->addAction(texts::kReport, this, [this] { writeReport(); });
    file->addAction(texts::kExportCsv, this, [this] { exportCsv(); });
    file->addAction(texts::kImportCsv, this, [this] { importCsv(); });
    file->addSeparator();
    file->addAction(texts::kQuit, QKeySequence(Qt::CTRL | Qt::Key_Q), this, [this] { window_.close(); });
}

void FileMenu::showIdle(bool idle)
{
    open_->setEnabled(idle);
    recentFiles_->setEnabled(idle);
    backups_->setEnabled(idle);
}

// Beside the open file, where the operator keeps the site. The platform's own settings file
// lives where nobody keeps a site (C:\, ~/.config): then where the dialogs start.
QString FileMenu::besideOpenFile(const QString &name) const
{
    if (sameFile(document_.path(), settingsFilePath()))
        return QDir(firstDialogFolder()).filePath(name);
    return QFileInfo(document_.path()).dir().filePath(name);
}

void FileMenu::fillRecentFiles()
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

void FileMenu::chooseSiteFile()
{
    if (document_.transferRunning() || !host_.mayDropDocument())
        return;
    const QString path = dialogs_.chooseSiteFileToOpen(SiteFile::Settings);
    if (!path.isEmpty())
        document_.open(path);
}

void FileMenu::openSiteFile(const QString &path)
{
    if (!document_.transferRunning() && host_.mayDropDocument())
        document_.open(path);
}

void FileMenu::showBackups()
{
    host_.takeTyped();
    if (document_.transferRunning())
        return;
    BackupsDialog dialog(document_, dialogs_, &window_);
    dialog.exec();
}

void FileMenu::saveSiteFile()
{
    host_.takeTyped();
    document_.save();
}

void FileMenu::saveSiteFileAs()
{
    host_.takeTyped();
    const QString path =
        dialogs_.chooseSiteFileToSave(SiteFile::Settings, besideOpenFile(QFileInfo(document_.path()).fileName()));
    if (!path.isEmpty())
        document_.saveAs(path);
}

void FileMenu::writeReport()
{
    host_.takeTyped();
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

void FileMenu::exportCsv()
{
    host_.takeTyped();
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

void FileMenu::importCsv()
{
    host_.takeTyped();
    const QString path = dialogs_.chooseSiteFileToOpen(SiteFile::Csv);
    if (!path.isEmpty())
        document_.importCsv(path);
}
