// The record of what the unit got from a settings file: read back as written, a damaged one
// put aside rather than trusted, and what it says the unit still lacks.
#include "images/image_builder.h"
#include "link/transfer_engine.h"
#include "session/send_record.h"
#include "session/unit_state.h"

#include <QtTest>

#include <memory>

namespace {

SentTransfer transfer(TransferMode kind, int sent, TransferEnd end, const QByteArray &bytes = "x")
{
    return {QDateTime({2026, 12, 9}, {14, 5, 7}),
            kind,
            QStringLiteral("COM3"),
            sent,
            transferLength(kind),
            1,
            end,
            imageHash(bytes)};
}

}  // namespace

class TestSendRecord : public QObject {
    Q_OBJECT
private slots:
    void init();
    void readBackAsWritten();
    void damagedRecordSetAside_data();
    void damagedRecordSetAside();
    void unsentKinds_data();
    void unsentKinds();

private:
    std::unique_ptr<QTemporaryDir> root_;
    QString settings_;
};

void TestSendRecord::init()
{
    root_ = std::make_unique<QTemporaryDir>();
    settings_ = root_->filePath(QStringLiteral("site.txt"));
}

void TestSendRecord::readBackAsWritten()
{
    const QList<SentTransfer> written{transfer(TransferMode::TerminalSettings, 41919, TransferEnd::Whole),
                                      transfer(TransferMode::TerminalSettings, 12345, TransferEnd::Stopped),
                                      transfer(TransferMode::DateTime, 3, TransferEnd::LineLost),
                                      transfer(TransferMode::TicketData, 0, TransferEnd::Abandoned)};
    for (const SentTransfer &each : written)
        appendToSendRecord(settings_, each, root_->path());
    const SendRecord record = readSendRecord(settings_, root_->path());
    QVERIFY(record.setAside.isEmpty());
    QCOMPARE(record.transfers.size(), written.size());
    for (qsizetype i = 0; i < written.size(); ++i) {
        QCOMPARE(historyCells(record.transfers[i]), historyCells(written[i]));
        QCOMPARE(record.transfers[i].hash, written[i].hash);
    }
    QCOMPARE(historyCells(record.transfers[1]),
             QStringList({"2026-12-09 14:05:07", "terminaller", "COM3", "12.345/41.919", "1", "durduruldu"}));
    QCOMPARE(lastWholeSend(record.transfers, TransferMode::TerminalSettings)->sent, 41919);
    QVERIFY(!lastWholeSend(record.transfers, TransferMode::DateTime));
}

void TestSendRecord::damagedRecordSetAside_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("kept");

    const QByteArray header = "# bilvex gönderim kaydı 1\n";
    const QByteArray good = "2026-12-09 14:05:07\tbutonlar\tCOM3\t2.079/2.079\t0\ttam\t" + QByteArray(64, 'a') + '\n';
    QTest::newRow("sound") << header + good << true;
    QTest::newRow("another program's file") << "COM3=C:\\site.txt\n" + good << false;
    QTest::newRow("cut short") << header + good.left(40) << false;
    QTest::newRow("more sent than the total") << header + QByteArray(good).replace("2.079/", "3.000/") << false;
    QTest::newRow("unknown end") << header + QByteArray(good).replace("\ttam\t", "\tbitti\t") << false;
}

void TestSendRecord::damagedRecordSetAside()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, kept);
    const QString path = sendRecordPath(settings_, root_->path());
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    const SendRecord record = readSendRecord(settings_, root_->path());
    QCOMPARE(record.transfers.size(), kept ? 1 : 0);
    QCOMPARE(record.setAside.isEmpty(), kept);
    if (kept)
        return;
    QFile aside(record.setAside);
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), content);
    // The next transfer starts a sound record.
    appendToSendRecord(settings_, transfer(TransferMode::DateTime, 24, TransferEnd::Whole), root_->path());
    QCOMPARE(readSendRecord(settings_, root_->path()).transfers.size(), 1);
}

void TestSendRecord::unsentKinds_data()
{
    QTest::addColumn<QList<int>>("sent");  // ends of button sends of the current image, oldest first
    QTest::addColumn<QList<TransferMode>>("unsent");

    const QList<TransferMode> both{TransferMode::ButtonSettings, TransferMode::TerminalSettings};
    QTest::newRow("never sent") << QList<int>{} << both;
    QTest::newRow("sent whole") << QList<int>{int(TransferEnd::Whole)}
                                << QList<TransferMode>{TransferMode::TerminalSettings};
    QTest::newRow("stopped after a whole send") << QList<int>{int(TransferEnd::Whole), int(TransferEnd::Stopped)}
                                                << QList<TransferMode>{TransferMode::TerminalSettings};
    QTest::newRow("only stopped") << QList<int>{int(TransferEnd::Stopped)} << both;
}

void TestSendRecord::unsentKinds()
{
    QFETCH(QList<int>, sent);
    QFETCH(QList<TransferMode>, unsent);
    const auto model = std::make_unique<Tanimlamalar>();
    buildButtonImage(*model, model->ButtonImage);
    buildTerminalImage(*model, model->TerminalImage);
    const QByteArray current = transferBytes(*model, TransferMode::ButtonSettings);
    QList<SentTransfer> record{transfer(TransferMode::TerminalSettings, 41919, TransferEnd::Whole, "older image")};
    for (const int end : sent)
        record << transfer(TransferMode::ButtonSettings, 2079, TransferEnd(end), current);
    const UnitState state = unitStateOf(*model, record, settings_, std::nullopt);
    QCOMPARE(state.unsent, unsent);
    QVERIFY(!state.otherFile);
}

QTEST_GUILESS_MAIN(TestSendRecord)
#include "tst_send_record.moc"
