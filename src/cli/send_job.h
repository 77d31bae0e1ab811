#pragma once

#include "cli/error_output.h"
#include "cli/progress_display.h"
#include "cli/send_options.h"
#include "session/unit_session.h"

#include <QObject>
#include <QTimer>

// Sends the items through the session one after the other, each watched for a unit that
// has gone silent, and tells the outcome as bilvex-send's exit status.
class SendJob : public QObject {
    Q_OBJECT
public:
    // trace: where each transfer's summary is also noted; none when null.
    SendJob(UnitSession &session, Tanimlamalar &model, ErrorOutput &out, const SendOptions &options,
            LineTrace *trace = nullptr, QObject *parent = nullptr);

    // Starts the first transfer; done follows when the last has ended or one has failed.
    void start();
    // Ends the run as a lost line would, the transfer under way summed up as stopped.
    void stop();

signals:
    void done(int exitStatus);

private:
    void startItem();
    bool startTransfer(const SendItem &item);
    void onProgress();
    void onFinished();
    void onSilence();
    void fail(const QString &endedEarly);
    void finish(int exitStatus);
    void noteSentBytes();
    double msPerByte() const;

    UnitSession &session_;
    Tanimlamalar &model_;
    ErrorOutput &out_;
    ProgressDisplay display_;
    QList<SendItem> items_;
    int ticketNumber_;  // 0..15, as the session stamps it
    double timeoutSeconds_;
    QTimer silence_;
    qsizetype current_ = 0;
    int sent_ = 0;
    int wrongInTransfer_ = 0;
    bool running_ = false;
    bool anyWrongEcho_ = false;
    bool over_ = false;  // done has been emitted; later signals change nothing
};
