#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QIODevice>
#include <QString>

#include <cstdint>

// A plain-text record of the line for support: one line per byte sent and per answer
// received, "12.345 > AA" or "14.567 < AA", milliseconds since the record began; and notes
// ("= buttons: …"). Each line goes to the device as it happens, so a killed run leaves
// all it had.
class LineTrace {
public:
    explicit LineTrace(QIODevice &out);

    void sent(uint8_t byte);
    void received(const QByteArray &answer);
    void note(const QString &text);

private:
    void line(char direction, const QString &text);

    QIODevice &out_;
    QElapsedTimer clock_;
};
