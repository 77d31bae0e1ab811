#pragma once

#include "link/byte_link.h"
#include "scripted_dialogs.h"
#include "session/unit_session.h"

#include <QList>
#include <QPair>

#include <functional>
#include <memory>

// The port with a scripted unit behind it: keeps every byte written, and hands the engine
// whatever the test has queued as received.
class FakeLink : public ByteLink {
public:
    bool open = true;
    bool failWrites = false;  // the port fails under a write (a dropped line)
    QString reason;
    QByteArray written;
    QByteArray waiting;  // received and not yet read
    int reads = 0;
    std::function<void(uint8_t)> onWrite;

    PortOpening openDevice(const QString &) override
    {
        return {open ? PortOpening::Result::Opened : PortOpening::Result::NotFound, reason};
    }
    bool isOpen() const override { return open; }
    bool writeByte(uint8_t byte) override
    {
        if (!open || failWrites)
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

// Every progress caption the session reported.
class RecordingProgress {
public:
    explicit RecordingProgress(UnitSession &session)
    {
        QObject::connect(&session, &UnitSession::progress, [this](TransferMode kind, const QString &caption) {
            shown.append({kind, caption});
        });
    }
    QList<QPair<TransferMode, QString>> shown;
    QStringList captions() const
    {
        QStringList all;
        for (const auto &entry : shown)
            all << entry.second;
        return all;
    }
};

// A session on the scripted unit, its port opened as COM 3.
struct FakeUnitSession {
    std::unique_ptr<Tanimlamalar> model = std::make_unique<Tanimlamalar>();
    FakeLink link;
    ScriptedDialogs dialogs;
    UnitSession session{*model, dialogs, link};
    TransferEngine &engine = session.engine();
    RecordingProgress progress{session};

    FakeUnitSession() { session.openPort(QStringLiteral("3")); }
};
