#pragma once

#include <QDialog>

// "Gönderim Geçmişi": what the unit got from the settings file, newest first, read afresh
// each time it opens so that sends made meanwhile by bilvex-send are listed too.
class SendHistoryDialog : public QDialog {
    Q_OBJECT
public:
    SendHistoryDialog(const QString &settingsPath, QWidget *parent);
};
