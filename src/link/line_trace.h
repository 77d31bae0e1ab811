#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QIODevice>
#include <QString>

#include <cstdint>

// A plain-text record of the line for support: one line per byte sent and per answer
// received, "12.345 > AA" or "14.567 < AA", milliseconds since the record began; and notes
// ("= buttons: …"). Lines go to the device as they happen, so a killed run leaves what it
// had; an answer's line waits only until the byte it calls for has gone out, so the record
// never holds back the next byte. A write that fails (a full disk) ends the record there and
// never the transfer: whoever asked for it is told afterwards.
class LineTrace {
public:
    explicit LineTrace(QIODevice &out);
    ~LineTrace();
    LineTrace(const LineTrace &) = delete;
    LineTrace &operator=(const LineTrace &) = delete;

    void sent(uint8_t byte);
    void received(const QByteArray &answer);
    void note(const QString &text);
    // Writes what is still held; then failed() tells whether the whole record was written.
    void finish();
    bool failed() const;

private:
    double now() const;
    void writePendingAnswer();
    void line(double ms, char direction, const QByteArray &text);

    QIODevice &out_;
    QElapsedTimer clock_;
    QByteArray pendingAnswer_;  // received, not yet written
    double pendingAt_ = 0;
    bool failed_ = false;
};
