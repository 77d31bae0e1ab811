// The words the window, bilvex-send and a support call share for a transfer, and the time
// left the status bar says.
#include "session/transfer_pace.h"
#include "session/transfer_texts.h"

#include <QtTest>

#include <vector>

class TestTransferTexts : public QObject {
    Q_OBJECT
private slots:
    void lines_data();
    void lines();
    void timeLeft_data();
    void timeLeft();
};

void TestTransferTexts::lines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected");

    QTest::newRow("sending, no estimate yet") << sendingLine(TransferMode::TerminalSettings, 12345, 41919, std::nullopt)
                                              << "Terminal ayarları gönderiliyor: 12.345 / 41.919 bayt";
    QTest::newRow("sending, minutes left")
        << sendingLine(TransferMode::TerminalSettings, 12345, 41919, 112)
        << "Terminal ayarları gönderiliyor: 12.345 / 41.919 bayt, kalan yaklaşık 1 dk 52 sn";
    QTest::newRow("small counts stay bare")
        << sendingLine(TransferMode::DateTime, 5, 24, 0) << "Tarih-saat gönderiliyor: 5 / 24 bayt, kalan yaklaşık 0 sn";
    QTest::newRow("buttons sent") << sentLine(TransferMode::ButtonSettings, 9, 0) << "Buton ayarları gönderildi (9 sn)";
    QTest::newRow("terminals with wrong echoes") << sentLine(TransferMode::TerminalSettings, 182, 2)
                                                 << "Terminal ayarları gönderildi (3 dk 2 sn, 2 yankı hatası)";
    QTest::newRow("ticket") << sentLine(TransferMode::TicketData, 6, 0) << "Bilet datası gönderildi (6 sn)";
    QTest::newRow("clock") << sentLine(TransferMode::DateTime, 0, 0) << "Saat ayarlandı (0 sn)";
    QTest::newRow("hours") << allSentLine(3 * 3600 + 125, 1234) << "Hepsi gönderildi (3 sa 2 dk, 1.234 yankı hatası)";
    QTest::newRow("stopped") << stoppedLine(12345, 41919)
                             << "Gönderim durduruldu: 12.345 / 41.919 bayt. Birim ayarların bir kısmını aldı; "
                                "yeniden gönderin.";
    QTest::newRow("nothing unsent") << unsentLine({}) << "Birim güncel";
    QTest::newRow("both unsent") << unsentLine({TransferMode::ButtonSettings, TransferMode::TerminalSettings})
                                 << "Birime gönderilmemiş değişiklik: Buton ayarları, Terminal ayarları";
    QTest::newRow("other file")
        << otherFileLine(QStringLiteral("C:\\B.txt"), QDateTime({2026, 12, 8}, {17, 5}))
        << "Bu porttaki birim en son başka bir dosyadan ayar aldı: C:\\B.txt (08.12.2026 17:05)";
    QTest::newRow("history headings") << historyHeadings().join(QLatin1Char('|'))
                                      << "Tarih|Tür|Port|Gönderilen|Yankı Hatası|Sonuç";
}

void TestTransferTexts::lines()
{
    QFETCH(QString, line);
    QFETCH(QString, expected);
    QCOMPARE(line, expected);
}

using Samples = std::vector<std::pair<qint64, int>>;  // (ms since the start, bytes out)

void TestTransferTexts::timeLeft_data()
{
    QTest::addColumn<Samples>("samples");
    QTest::addColumn<int>("total");
    QTest::addColumn<qint64>("expected");  // -1: no estimate

    QTest::newRow("too early to say") << Samples{{500, 100}, {1900, 400}} << 41919 << qint64(-1);
    // 4.3 ms a byte, as a paced line takes: 41,919 bytes in three minutes.
    Samples steady;
    for (qint64 ms = 250; ms <= 20000; ms += 250)
        steady.push_back({ms, static_cast<int>(static_cast<double>(ms) / 4.3)});
    QTest::newRow("steady line") << steady << 41919 << qint64(160);
    // The rate of the last seconds counts: a slow start is forgotten.
    Samples sped{{1000, 10}, {2000, 20}, {3000, 30}};
    for (qint64 ms = 4000; ms <= 12000; ms += 1000)
        sped.push_back({ms, 30 + static_cast<int>((ms - 3000) / 2)});
    QTest::newRow("faster after a slow start") << sped << 14530 << qint64(20);
    QTest::newRow("nothing moves") << Samples{{2500, 0}, {5000, 0}} << 24 << qint64(-1);
}

void TestTransferTexts::timeLeft()
{
    QFETCH(Samples, samples);
    QFETCH(int, total);
    QFETCH(qint64, expected);
    TransferPace pace;
    pace.start(0);
    for (const auto &[ms, sent] : samples)
        pace.note(ms, sent);
    QCOMPARE(pace.secondsLeft(total).value_or(-1), expected);
}

QTEST_APPLESS_MAIN(TestTransferTexts)
#include "tst_transfer_texts.moc"
