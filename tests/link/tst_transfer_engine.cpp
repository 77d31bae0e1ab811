#include "fake_link.h"
#include "scripted_dialogs.h"
#include "session/unit_session.h"

#include <QtTest>

#include <memory>
#include <utility>

Q_DECLARE_METATYPE(TransferMode)

namespace {

// The clock frame for 14:35:07 on 06.12.2026, DS1307.
const QByteArray kClockFrame = QByteArray::fromHex("B40007BE B40135BE B40214BE B40406BE B40512BE B40626BE");

uint8_t patternByte(int position)
{
    return static_cast<uint8_t>(position * 7 + 3);
}

QByteArray patternBytes(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes.append(static_cast<char>(patternByte(i)));
    return bytes;
}

template <typename Image>
void fillWithPattern(Image &image)
{
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = patternByte(static_cast<int>(i));
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

struct Rig : FakeUnitSession {
    Rig()
    {
        for (int i = 0; i < kClockFrame.size(); ++i)
            model->DateTimeFrame[i] = static_cast<uint8_t>(kClockFrame[i]);
        fillWithPattern(model->ButtonImage);
        fillWithPattern(model->TerminalImage);
        model->TicketImage = patternBytes(kTicketImageSize);
    }

    void receive(const QByteArray &answer)
    {
        link.waiting += answer;
        engine.MSComm1_OnComm();
    }

    // Delivers a notification for every answer of a unit that answers every byte.
    void notifyUntilIdle()
    {
        for (int guard = 0; engine.isRunning() && guard < 50000; ++guard)
            engine.MSComm1_OnComm();
    }
};

}  // namespace

class TestTransferEngine : public QObject {
    Q_OBJECT
private slots:
    void startByteAnswerIsNeverCompared_data();
    void startByteAnswerIsNeverCompared();
    void sendsExactlyTheKindsBytes_data();
    void sendsExactlyTheKindsBytes();
    void wrongAnswerShowsOneBoxAndGoesOn_data();
    void wrongAnswerShowsOneBoxAndGoesOn();
    void wrongEchoOfLastByteEndsTransfer();
    void bytesWhileIdleAreSwallowedByNextTransfer_data();
    void bytesWhileIdleAreSwallowedByNextTransfer();
    void newSendAbandonsRunningTransfer();
    void clockProgressCountsUpToHundred();
    void progressCaptions_data();
    void progressCaptions();
    void otherPortEventsReadNothing_data();
    void otherPortEventsReadNothing();
    void emptyReadDoesNotAdvance();
    void notificationDuringBoxIsHandledAfterIt();
    void imageRebuiltDuringATransferWaitsForTheNext();
    void stalledNotifierIsCoveredByTheGuard();
    void silentUnitIsWaitedFor();
    void sendWithPortClosedTellsWhy_data();
    void sendWithPortClosedTellsWhy();
    void lostPortIsReportedOnce();
    void portFailingUnderStartByteIsNotCalledClosed();
    void portLostWhileBoxOpenSendsNothingMore();
    void ticketTransferWithoutLayoutSendsNothing();
};

void TestTransferEngine::startByteAnswerIsNeverCompared_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("zero") << bytes({0x00});
    QTest::newRow("start byte itself") << bytes({0xAA});
    QTest::newRow("0xFF") << bytes({0xFF});
    QTest::newRow("several bytes at once") << bytes({0x01, 0x02, 0x03});
}

void TestTransferEngine::startByteAnswerIsNeverCompared()
{
    QFETCH(QByteArray, answer);
    Rig rig;
    QVERIFY(rig.session.send(TransferMode::DateTime));
    rig.receive(answer);
    QCOMPARE(rig.link.written, bytes({0xAA, 0xB4}));
    QCOMPARE(rig.dialogs.shown, QStringList());
    QCOMPARE(rig.model->TransferPosition, 1.0);
    QVERIFY(rig.link.waiting.isEmpty());
}

void TestTransferEngine::sendsExactlyTheKindsBytes_data()
{
    QTest::addColumn<TransferMode>("kind");
    QTest::addColumn<int>("count");
    QTest::newRow("button: positions 0..2078") << TransferMode::ButtonSettings << 2079;
    QTest::newRow("terminal: positions 0..41918") << TransferMode::TerminalSettings << 41919;
    QTest::newRow("ticket: all 1280") << TransferMode::TicketData << 1280;
    QTest::newRow("clock: elements 0..23") << TransferMode::DateTime << 24;
}

void TestTransferEngine::sendsExactlyTheKindsBytes()
{
    QFETCH(TransferMode, kind);
    QFETCH(int, count);
    Rig rig;
    rig.engine.setReadDelay(std::chrono::milliseconds(0));
    rig.link.answerLikeTheUnit();
    rig.session.send(kind);
    rig.notifyUntilIdle();

    const QByteArray image = kind == TransferMode::DateTime ? kClockFrame : patternBytes(count);
    QCOMPARE(rig.link.written.size(), count + 1);
    QCOMPARE(rig.link.written, bytes({0xAA}) + image.left(count));
    QCOMPARE(rig.dialogs.shown, QStringList());
    QVERIFY(rig.model->TransferFinished);
    QCOMPARE(rig.model->CurrentTransferMode, TransferMode::None);
    QCOMPARE(rig.model->TransferPosition, double(count + 1));
}

void TestTransferEngine::wrongAnswerShowsOneBoxAndGoesOn_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("message");
    // The first clock byte sent is 0xB4 = 180.
    QTest::newRow("other byte") << bytes({0x01}) << QStringLiteral("Yükleme Hatası! Gönderilen:' 180' Yüklenen:' 1'");
    QTest::newRow("zero") << bytes({0x00}) << QStringLiteral("Yükleme Hatası! Gönderilen:' 180' Yüklenen:' 0'");
    QTest::newRow("two bytes, the first right")
        << bytes({0xB4, 0xB4}) << QStringLiteral("Yükleme Hatası! Gönderilen:' 180' Yüklenen:' 180'");
    QTest::newRow("two bytes, the first wrong")
        << bytes({0xFF, 0xB4}) << QStringLiteral("Yükleme Hatası! Gönderilen:' 180' Yüklenen:' 255'");
}

void TestTransferEngine::wrongAnswerShowsOneBoxAndGoesOn()
{
    QFETCH(QByteArray, answer);
    QFETCH(QString, message);
    Rig rig;
    rig.session.send(TransferMode::DateTime);
    rig.receive(bytes({0x00}));
    rig.receive(answer);
    QCOMPARE(rig.dialogs.shown, QStringList{message});
    QCOMPARE(rig.model->TransferPosition, 2.0);
    QCOMPARE(rig.link.written, bytes({0xAA, 0xB4, 0x00}));
    rig.receive(bytes({0x00}));
    QCOMPARE(rig.dialogs.shown.size(), 1);
    QCOMPARE(rig.link.written, bytes({0xAA, 0xB4, 0x00, 0x07}));
}

void TestTransferEngine::wrongEchoOfLastByteEndsTransfer()
{
    Rig rig;
    QList<QPair<TransferMode, int>> finished;
    QObject::connect(&rig.session, &UnitSession::finished, [&](TransferMode kind, int wrongEchoes) {
        finished.append({kind, wrongEchoes});
    });
    rig.session.send(TransferMode::DateTime);
    rig.receive(bytes({0x00}));
    rig.receive(bytes({0x01}));
    rig.session.send(TransferMode::DateTime);  // abandons the first: no end, its wrong echo forgotten
    rig.link.written = bytes({0xAA});
    rig.dialogs.shown.clear();
    rig.receive(bytes({0x00}));
    for (int i = 0; i < 23; ++i)
        rig.receive(kClockFrame.mid(i, 1));
    QCOMPARE(rig.link.written.size(), 25);
    rig.receive(bytes({0x00}));
    QCOMPARE(rig.dialogs.shown, QStringList{QStringLiteral("Yükleme Hatası! Gönderilen:' 190' Yüklenen:' 0'")});
    QCOMPARE(rig.link.written.size(), 25);
    QVERIFY(rig.model->TransferFinished);
    QCOMPARE(rig.model->CurrentTransferMode, TransferMode::None);
    QCOMPARE(finished, (QList<QPair<TransferMode, int>>{{TransferMode::DateTime, 1}}));
}

void TestTransferEngine::bytesWhileIdleAreSwallowedByNextTransfer_data()
{
    QTest::addColumn<bool>("afterATransfer");
    QTest::addColumn<int>("answerDelayMs");
    QTest::newRow("before any transfer") << false << 0;
    QTest::newRow("after a finished transfer") << true << 0;
    // Longer than the stall guard's interval: the guard must leave the idle bytes alone.
    QTest::newRow("start byte answered late") << false << 300;
}

void TestTransferEngine::bytesWhileIdleAreSwallowedByNextTransfer()
{
    QFETCH(bool, afterATransfer);
    QFETCH(int, answerDelayMs);
    Rig rig;
    if (afterATransfer) {
        rig.link.answerLikeTheUnit();
        rig.session.send(TransferMode::DateTime);
        rig.notifyUntilIdle();
        rig.link.onWrite = nullptr;
        rig.link.written.clear();
    }
    const int readsBefore = rig.link.reads;
    rig.receive(bytes({0x11, 0x22}));
    rig.receive(bytes({0x33}));
    QCOMPARE(rig.link.reads, readsBefore);
    QCOMPARE(rig.link.waiting, bytes({0x11, 0x22, 0x33}));

    rig.session.send(TransferMode::ButtonSettings);
    QTest::qWait(answerDelayMs);
    QCOMPARE(rig.link.written, bytes({0xAA}));
    rig.receive(bytes({0x00}));
    QCOMPARE(rig.link.written, bytes({0xAA, patternByte(0)}));
    QVERIFY(rig.link.waiting.isEmpty());
    QCOMPARE(rig.dialogs.shown, QStringList());
}

void TestTransferEngine::newSendAbandonsRunningTransfer()
{
    Rig rig;
    rig.session.send(TransferMode::ButtonSettings);
    rig.receive(bytes({0x00}));
    rig.receive(bytes({patternByte(0)}));
    QCOMPARE(rig.model->TransferPosition, 2.0);

    rig.link.written.clear();
    QVERIFY(rig.session.send(TransferMode::DateTime));
    QCOMPARE(rig.link.written, bytes({0xAA}));
    QCOMPARE(rig.model->TransferPosition, 0.0);
    QCOMPARE(rig.model->CurrentTransferMode, TransferMode::DateTime);
    // The old transfer's echo still on its way is taken as the answer to the new start byte.
    rig.receive(bytes({patternByte(1)}));
    QCOMPARE(rig.link.written, bytes({0xAA, 0xB4}));
    QCOMPARE(rig.dialogs.shown, QStringList());
}

void TestTransferEngine::clockProgressCountsUpToHundred()
{
    Rig rig;
    rig.link.answerLikeTheUnit();
    rig.session.send(TransferMode::DateTime);
    rig.notifyUntilIdle();
    QStringList expected;
    for (int p : {0, 4, 9, 13, 17, 22, 26, 30, 35, 39, 43, 48, 52, 57, 61, 65, 70, 74, 78, 83, 87, 91, 96, 100})
        expected << QStringLiteral("%  %1").arg(p);
    QCOMPARE(rig.progress.captions(), expected);
    for (const auto &entry : rig.progress.shown)
        QCOMPARE(entry.first, TransferMode::DateTime);
}

void TestTransferEngine::progressCaptions_data()
{
    QTest::addColumn<TransferMode>("kind");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("middle");  // after byte count/2
    QTest::newRow("button") << TransferMode::ButtonSettings << 2079 << QStringLiteral("%  50");
    QTest::newRow("ticket") << TransferMode::TicketData << 1280 << QStringLiteral("%  50");
    QTest::newRow("clock") << TransferMode::DateTime << 24 << QStringLiteral("%  52");
}

void TestTransferEngine::progressCaptions()
{
    QFETCH(TransferMode, kind);
    QFETCH(int, count);
    QFETCH(QString, middle);
    Rig rig;
    rig.engine.setReadDelay(std::chrono::milliseconds(0));
    rig.link.answerLikeTheUnit();
    rig.session.send(kind);
    rig.notifyUntilIdle();
    const QStringList captions = rig.progress.captions();
    QCOMPARE(captions.size(), count);
    QCOMPARE(captions.first(), QStringLiteral("%  0"));
    QCOMPARE(captions.at(count / 2), middle);
    QCOMPARE(captions.last(), QStringLiteral("%  100"));

    // The next send leaves the caption alone until its first byte goes out.
    rig.link.answerLikeTheUnit();
    rig.session.send(kind);
    QCOMPARE(rig.progress.shown.size(), count);
    rig.engine.MSComm1_OnComm();
    QCOMPARE(rig.progress.captions().last(), QStringLiteral("%  0"));
}

void TestTransferEngine::otherPortEventsReadNothing_data()
{
    QTest::addColumn<int>("event");
    QTest::newRow("send event") << 1;
    QTest::newRow("line-state change") << 3;
    QTest::newRow("no event") << 0;
}

void TestTransferEngine::otherPortEventsReadNothing()
{
    QFETCH(int, event);
    Rig rig;
    rig.session.send(TransferMode::DateTime);
    rig.link.waiting = bytes({0x00});
    rig.engine.MSComm1_OnComm(event);
    QCOMPARE(rig.link.reads, 0);
    QCOMPARE(rig.link.written, bytes({0xAA}));
    QCOMPARE(rig.model->TransferPosition, 0.0);
}

void TestTransferEngine::emptyReadDoesNotAdvance()
{
    Rig rig;
    rig.session.send(TransferMode::DateTime);
    rig.receive(bytes({0x00}));
    rig.receive(QByteArray());
    QCOMPARE(rig.link.reads, 2);
    QCOMPARE(rig.model->TransferPosition, 1.0);
    QCOMPARE(rig.link.written, bytes({0xAA, 0xB4}));
    QCOMPARE(rig.dialogs.shown, QStringList());
    rig.receive(bytes({0xB4}));
    QCOMPARE(rig.link.written, bytes({0xAA, 0xB4, 0x00}));
}

void TestTransferEngine::notificationDuringBoxIsHandledAfterIt()
{
    Rig rig;
    rig.session.send(TransferMode::DateTime);
    rig.receive(bytes({0x00}));

    int writtenWhileOpen = -1;
    QByteArray waitingWhileOpen;
    bool delivered = false;
    rig.dialogs.whileBoxOpen = [&] {
        if (std::exchange(delivered, true))
            return;
        // The echo of the next clock byte (register 0x00) arrives while the box is open.
        rig.link.waiting += bytes({0x00});
        rig.engine.MSComm1_OnComm();
        writtenWhileOpen = static_cast<int>(rig.link.written.size());
        waitingWhileOpen = rig.link.waiting;
    };
    rig.receive(bytes({0x01}));

    QCOMPARE(writtenWhileOpen, 2);
    QCOMPARE(waitingWhileOpen, bytes({0x00}));
    QCOMPARE(rig.dialogs.shown.size(), 1);
    // After the box: byte 1 (0x00) goes out, then the waiting 0x00 is taken as its echo.
    QCOMPARE(rig.link.written, bytes({0xAA, 0xB4, 0x00, 0x07}));
    QVERIFY(rig.link.waiting.isEmpty());
    QCOMPARE(rig.model->TransferPosition, 3.0);
}

// One transfer, one site: what an edit rebuilds goes out with the next send.
void TestTransferEngine::imageRebuiltDuringATransferWaitsForTheNext()
{
    Rig rig;
    rig.session.send(TransferMode::ButtonSettings);
    rig.receive(bytes({0x00}));
    rig.receive(bytes({patternByte(0)}));
    rig.model->ButtonImage[2] = 0x5A;
    rig.receive(bytes({patternByte(1)}));
    rig.receive(bytes({patternByte(2)}));
    QCOMPARE(rig.link.written, bytes({0xAA, patternByte(0), patternByte(1), patternByte(2), patternByte(3)}));
    rig.session.send(TransferMode::ButtonSettings);
    rig.receive(bytes({0x00}));
    rig.receive(bytes({patternByte(0)}));
    rig.receive(bytes({patternByte(1)}));
    QVERIFY(rig.link.written.endsWith(bytes({0xAA, patternByte(0), patternByte(1), 0x5A})));
    QCOMPARE(rig.dialogs.shown, QStringList());
}

void TestTransferEngine::stalledNotifierIsCoveredByTheGuard()
{
    Rig rig;
    rig.session.send(TransferMode::DateTime);
    // Bytes arrive, but the port never notifies.
    rig.link.waiting = bytes({0x00});
    QTRY_COMPARE(rig.link.written, bytes({0xAA, 0xB4}));
    rig.link.waiting = bytes({0xB4});
    QTRY_COMPARE(rig.link.written, bytes({0xAA, 0xB4, 0x00}));
    QCOMPARE(rig.dialogs.shown, QStringList());
}

void TestTransferEngine::silentUnitIsWaitedFor()
{
    Rig rig;
    rig.session.send(TransferMode::DateTime);
    rig.receive(bytes({0x00}));
    QTest::qWait(700);
    QVERIFY(rig.engine.isRunning());
    QCOMPARE(rig.link.written, bytes({0xAA, 0xB4}));
    QCOMPARE(rig.dialogs.shown, QStringList());
    rig.receive(bytes({0xB4}));
    QCOMPARE(rig.link.written, bytes({0xAA, 0xB4, 0x00}));
}

void TestTransferEngine::sendWithPortClosedTellsWhy_data()
{
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing device") << QStringLiteral("Port bulunamadı.")
                                    << QStringLiteral(
                                           "3 Numaralı Com Port açık değil. Gönderim yapılamadı.\nPort bulunamadı.");
    QTest::newRow("no permission")
        << QStringLiteral("Porta erişim izni yok.")
        << QStringLiteral("3 Numaralı Com Port açık değil. Gönderim yapılamadı.\nPorta erişim izni yok.");
    QTest::newRow("reason unknown") << QString()
                                    << QStringLiteral("3 Numaralı Com Port açık değil. Gönderim yapılamadı.");
}

void TestTransferEngine::sendWithPortClosedTellsWhy()
{
    QFETCH(QString, reason);
    QFETCH(QString, message);
    Rig rig;
    rig.link.open = false;
    rig.link.reason = reason;
    QVERIFY(!rig.session.send(TransferMode::ButtonSettings));
    QCOMPARE(rig.dialogs.shown, QStringList{message});
    QCOMPARE(rig.model->CurrentTransferMode, TransferMode::None);
    QVERIFY(rig.link.written.isEmpty());
    rig.receive(bytes({0x00}));
    QCOMPARE(rig.link.reads, 0);
}

void TestTransferEngine::lostPortIsReportedOnce()
{
    Rig rig;
    rig.session.send(TransferMode::ButtonSettings);
    rig.receive(bytes({0x00}));
    rig.link.open = false;
    rig.engine.portLost();
    rig.engine.portLost();
    QCOMPARE(rig.dialogs.shown, QStringList{QStringLiteral("3 Numaralı Com Port bağlantısı kesildi.")});
    QCOMPARE(rig.model->CurrentTransferMode, TransferMode::None);
    rig.receive(bytes({patternByte(0)}));
    QCOMPARE(rig.link.reads, 1);
    QVERIFY(!rig.session.send(TransferMode::ButtonSettings));
    QCOMPARE(rig.dialogs.shown.size(), 2);
    QVERIFY(rig.dialogs.shown.last().startsWith(QStringLiteral("3 Numaralı Com Port açık değil.")));
}

// The port reports its own loss; the send must not add "açık değil" to it.
void TestTransferEngine::portFailingUnderStartByteIsNotCalledClosed()
{
    Rig rig;
    rig.link.failWrites = true;
    QVERIFY(!rig.session.send(TransferMode::DateTime));
    QCOMPARE(rig.dialogs.shown, QStringList());
    QCOMPARE(rig.model->CurrentTransferMode, TransferMode::None);
}

void TestTransferEngine::portLostWhileBoxOpenSendsNothingMore()
{
    Rig rig;
    rig.session.send(TransferMode::DateTime);
    rig.receive(bytes({0x00}));
    bool lost = false;
    rig.dialogs.whileBoxOpen = [&] {
        if (!std::exchange(lost, true))
            rig.engine.portLost();
    };
    rig.receive(bytes({0x01}));
    QCOMPARE(rig.link.written, bytes({0xAA, 0xB4}));
    QCOMPARE(rig.dialogs.shown.size(), 2);
    QCOMPARE(rig.dialogs.shown.last(), QStringLiteral("3 Numaralı Com Port bağlantısı kesildi."));
    QVERIFY(!rig.engine.isRunning());
}

void TestTransferEngine::ticketTransferWithoutLayoutSendsNothing()
{
    Rig rig;
    rig.model->TicketImage.clear();
    rig.session.send(TransferMode::TicketData);
    rig.receive(bytes({0x00}));
    QCOMPARE(rig.link.written, bytes({0xAA}));
    QVERIFY(!rig.engine.isRunning());
    QCOMPARE(rig.progress.shown.size(), 0);
}

QTEST_GUILESS_MAIN(TestTransferEngine)
#include "tst_transfer_engine.moc"
