#pragma once

#include <QObject>

class MenuHost;
class OperatorDialogs;
class QAction;
class QMenu;
class QMenuBar;
class QWidget;
class SiteDocument;
class UnitSession;
struct Tanimlamalar;

// "Dosya": the site's files through the document, the backups, the report and the CSV.
// Whatever comes in from a file reaches the panels and the images as at start-up; nothing is
// written to the open file until the next save.
class FileMenu : public QObject {
    Q_OBJECT
public:
    FileMenu(QMenuBar &bar, Tanimlamalar &model, UnitSession &session, OperatorDialogs &dialogs, MenuHost &host,
             QWidget &window);

    // The commands that would replace the open file wait while a transfer runs.
    void showIdle(bool idle);

private:
    void fillRecentFiles();
    void chooseSiteFile();
    void openSiteFile(const QString &path);
    void showBackups();
    void saveSiteFile();
    void saveSiteFileAs();
    QString besideOpenFile(const QString &name) const;
    void writeReport();
    void exportCsv();
    void importCsv();

    Tanimlamalar &model_;
    UnitSession &session_;
    SiteDocument &document_;
    OperatorDialogs &dialogs_;
    MenuHost &host_;
    QWidget &window_;
    QAction *open_ = nullptr;
    QMenu *recentFiles_ = nullptr;
    QAction *backups_ = nullptr;
};
