#pragma once

#include <QObject>
#include <QPointer>

class MenuHost;
class OperatorDialogs;
class OverviewWindow;
class QMenuBar;
class QWidget;
class SiteDocument;
struct Tanimlamalar;

// "Genel Bakış": the overview window, made on first use and placed beside the main window.
class OverviewCommand : public QObject {
    Q_OBJECT
public:
    OverviewCommand(QMenuBar &bar, Tanimlamalar &model, SiteDocument &document, OperatorDialogs &dialogs,
                    MenuHost &host, QWidget &window);

    void close();

signals:
    void terminalChosen(int t);
    void groupChosen(int g);

private:
    void show();
    void placeBeside(QWidget *overview) const;

    Tanimlamalar &model_;
    SiteDocument &document_;
    OperatorDialogs &dialogs_;
    MenuHost &host_;
    QWidget &window_;
    QPointer<OverviewWindow> overview_;
};
