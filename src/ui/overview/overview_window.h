#pragma once

#include "config/tanimlamalar.h"
#include "session/operator_dialogs.h"

#include <QWidget>

#include <optional>

class GroupSheetModel;
class QLabel;
class QListWidget;
class QSplitter;
class SheetMarks;
class SheetModel;
class SheetView;
class SiteDocument;
class TerminalSheetModel;

// "Genel Bakış": every group and every terminal at once, as two sheets to type, paste and
// fill in, each change a step of the document. Values an installer would check again are
// marked, and so is every cell that differs from a settings file chosen for comparison; the
// lists beside name them. A refused value or paste is told in the line at the foot.
class OverviewWindow : public QWidget {
    Q_OBJECT
public:
    OverviewWindow(const Tanimlamalar &model, SiteDocument &document, OperatorDialogs &dialogs,
                   QWidget *parent = nullptr);

    // The marks made anew for the site as it is.
    void refresh();

signals:
    // Before the comparison reads the site: the number still being typed is to be taken.
    void aboutToCompare();
    void groupChosen(int g);
    void terminalChosen(int t);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildSheets(QSplitter *splitter);
    QWidget *buildLists();
    void connectSheet(SheetView *view, SheetModel *model);
    void undo();
    void redo();
    void showChosenRow();
    void warn(const QString &text);
    void copy(SheetView *view, SheetModel *model, bool asPairs);
    void paste(SheetView *view, SheetModel *model);
    void compareWithFile();
    void markFindings();
    void markDifferences();
    void restoreLayout();

    const Tanimlamalar &model_;
    SiteDocument &document_;
    OperatorDialogs &dialogs_;
    GroupSheetModel *groupSheet_ = nullptr;
    TerminalSheetModel *terminalSheet_ = nullptr;
    SheetMarks *groupMarks_ = nullptr;
    SheetMarks *terminalMarks_ = nullptr;
    SheetView *groups_ = nullptr;
    SheetView *terminals_ = nullptr;
    SheetView *lastSheet_ = nullptr;  // the one the operator worked in last
    QSplitter *splitter_ = nullptr;
    QListWidget *findings_ = nullptr;
    QListWidget *differences_ = nullptr;
    QLabel *comparedFile_ = nullptr;
    QLabel *warning_ = nullptr;
    std::optional<Tanimlamalar> compared_;
    QString comparedPath_;
};
