#pragma once

#include <QStatusBar>

class QLabel;
class SiteDocument;

// The status bar's first place: the open file and whether it has unsaved changes, and the
// start-up's notice, said once.
class DocumentStatus : public QStatusBar {
    Q_OBJECT
public:
    explicit DocumentStatus(QWidget *window);

    void showFile(const SiteDocument &document);

private:
    QLabel *fileInView_;
    QLabel *unsavedMark_;
};
