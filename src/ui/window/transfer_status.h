#pragma once

#include "session/port_record.h"
#include "session/send_record.h"
#include "session/transfer_watch.h"
#include "session/unit_session.h"

#include <QTimer>
#include <QWidget>

#include <optional>

class QAction;
class QLabel;
class QPushButton;

// The status bar's lower rows: the running transfer with its time left and, once it ends,
// its outcome, with "Durdur" beside it while it runs; below, what the unit holds as far as
// this PC knows ("Birim güncel", or the settings not yet sent whole from the open file),
// and when the unit on the port last had another file's settings, which file.
class TransferStatus : public QWidget {
    Q_OBJECT
public:
    TransferStatus(const Tanimlamalar &model, UnitSession &session, QAction &stop, QWidget *parent);

    TransferWatch &watch() { return watch_; }
    void showLine(const QString &line);
    // The height the rows take at the given width.
    int rowsHeight(int width) const;

signals:
    // A line came or went: the window is to make room.
    void heightChanged();

private:
    void buildRows(QAction &stop);
    void transferEnded(const TransferSummary &summary);
    void readRecord();
    void showUnitState();

    const Tanimlamalar &model_;
    UnitSession &session_;
    TransferWatch watch_;
    QTimer stateTimer_;  // one redraw of the unit's state after a burst of edits
    QLabel *transferLine_ = nullptr;
    QPushButton *stopButton_ = nullptr;
    QLabel *unitLine_ = nullptr;
    QLabel *noticeLine_ = nullptr;
    QString recordFile_;  // the settings file the record below was read for
    QString recordPort_;
    QList<SentTransfer> record_;
    std::optional<PortSend> lastOnPort_;
    QString setAside_;
};
