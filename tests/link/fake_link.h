#pragma once

#include "byte_link.h"
#include "progress_display.h"

#include <QList>
#include <QPair>

#include <functional>
#include <memory>

// The port with a scripted unit behind it: keeps every byte written, and hands the engine
// whatever the test has queued as received.
class FakeLink : public ByteLink {
public:
    bool open = true;
    QString reason;
    QString portText;  // the text start-up opened
    QByteArray written;
    QByteArray waiting;  // received and not yet read
    int reads = 0;
    std::function<void(uint8_t)> onWrite;

    bool isOpen() const override { return open; }
    bool writeByte(uint8_t byte) override
    {
        if (!open)
            return false;
        written.append(static_cast<char>(byte));
        if (onWrite)
            onWrite(byte);
        return true;
    }
    QByteArray readAll() override
    {
        ++reads;
        QByteArray all;
        all.swap(waiting);
        return all;
    }
    qint64 bytesAvailable() override { return waiting.size(); }
    QString notOpenReason() const override { return reason; }
    QString startupPortText() const override { return portText; }

    // A well-behaved unit: answers the start byte with `startAnswer`, echoes everything after it.
    // The next byte written is taken as the start byte.
    void answerLikeTheUnit(const QByteArray &startAnswer = QByteArray(1, '\0'))
    {
        auto expectingStart = std::make_shared<bool>(true);
        onWrite = [this, startAnswer, expectingStart](uint8_t byte) {
            waiting += *expectingStart ? startAnswer : QByteArray(1, static_cast<char>(byte));
            *expectingStart = false;
        };
    }
};

class RecordingProgress : public ProgressDisplay {
public:
    QList<QPair<TransferMode, QString>> shown;
    void showProgress(TransferMode kind, const QString &caption) override { shown.append({kind, caption}); }
    QStringList captions() const
    {
        QStringList all;
        for (const auto &entry : shown)
            all << entry.second;
        return all;
    }
};
