#pragma once

#include <QObject>

class MenuHost;
class QAction;
class QMenuBar;
class SiteDocument;

// "Düzen": undo and redo of the site's changes, each named by the step it takes back or
// makes again.
class EditMenu : public QObject {
    Q_OBJECT
public:
    EditMenu(QMenuBar &bar, SiteDocument &document, MenuHost &host, QObject *parent);

    void show();

private:
    SiteDocument &document_;
    QAction *undo_ = nullptr;
    QAction *redo_ = nullptr;
};
