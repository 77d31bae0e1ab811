#pragma once

#include "operator_dialogs.h"
#include "tanimlamalar.h"

#include <QWidget>

#include <optional>

class QLabel;
class QListWidget;
class QSplitter;
class QTableWidget;
struct SiteTable;

// "Genel Bakış": every group and every terminal at once, following the model as it changes.
// Values an installer would check again are marked, and so is every cell that differs from
// a settings file chosen for comparison; the lists below name them. Choosing a row shows that
// group or terminal in the main window. Nothing here changes a value.
class OverviewWindow : public QWidget {
    Q_OBJECT
public:
    OverviewWindow(const Tanimlamalar &model, OperatorDialogs &dialogs, QWidget *parent = nullptr);

    void refresh();

signals:
    // Before the comparison reads the site: the number still being typed is to be taken.
    void aboutToCompare();
    void groupChosen(int g);
    void terminalChosen(int t);

private:
    void buildTables(QSplitter *splitter);
    QWidget *buildLists();
    void compareWithFile();
    void markFindings();
    void markDifferences();

    const Tanimlamalar &model_;
    OperatorDialogs &dialogs_;
    QTableWidget *groups_ = nullptr;
    QTableWidget *terminals_ = nullptr;
    QListWidget *findings_ = nullptr;
    QListWidget *differences_ = nullptr;
    QLabel *comparedFile_ = nullptr;
    std::optional<Tanimlamalar> compared_;
    QString comparedPath_;
};
