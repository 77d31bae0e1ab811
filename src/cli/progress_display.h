#pragma once

#include "cli/error_output.h"
#include "link/line_trace.h"

#include <QElapsedTimer>
#include <QString>

// One transfer at a time on the error output: on a terminal a progress bar, redrawn at
// most ten times a second; at its end one summary line, wherever the output goes.
class ProgressDisplay {
public:
    // trace: where each summary is also noted; none when null.
    ProgressDisplay(ErrorOutput &out, LineTrace *trace);

    void start(const QString &what, int total);
    void update(int sent);
    // msPerByte: the mean round trip of the transfer's answers; endedEarly: why the transfer
    // did not run to its end, empty when it did.
    void end(int sent, int wrongEchoes, double msPerByte, const QString &endedEarly = {});

private:
    ErrorOutput &out_;
    LineTrace *trace_;
    QString what_;
    int total_ = 0;
    QElapsedTimer clock_;
    qint64 drawnAtMs_ = -1;
};
