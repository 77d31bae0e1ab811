#include "link/round_trips.h"

#include <QtTest>

// A slow adapter is named once a transfer, from the median of the last 100 round trips, so
// a few late answers on a busy machine never raise it.
class TestRoundTrips : public QObject {
    Q_OBJECT
private slots:
    void slowLineIsToldOnce_data();
    void slowLineIsToldOnce();
};

void TestRoundTrips::slowLineIsToldOnce_data()
{
    QTest::addColumn<QList<double>>("roundTripsMs");  // each repeated 25 times, in order
    QTest::addColumn<int>("toldAtAnswer");            // 0: never
    QTest::newRow("a healthy line") << QList<double>{4.2, 4.3, 4.1, 4.4} << 0;
    QTest::newRow("a 16 ms latency timer") << QList<double>{19, 19, 19, 19} << 100;
    QTest::newRow("a busy spell of late answers") << QList<double>{4.2, 4.2, 40, 4.2, 4.2, 4.2} << 0;
    QTest::newRow("the adapter slows down after 100 bytes") << QList<double>{4.2, 4.2, 4.2, 4.2, 19, 19, 19, 19} << 150;
    QTest::newRow("just above the limit") << QList<double>{8.5, 8.5, 8.5, 8.5} << 100;
}

void TestRoundTrips::slowLineIsToldOnce()
{
    QFETCH(QList<double>, roundTripsMs);
    QFETCH(int, toldAtAnswer);
    RoundTrips trips;
    trips.startTransfer();
    qint64 nowNs = 0;
    int answer = 0;
    int told = 0;
    double sumMs = 0;
    for (const double ms : roundTripsMs) {
        for (int i = 0; i < 25; ++i) {
            trips.written(nowNs);
            nowNs += qint64(ms * 1e6);
            sumMs += ms;
            ++answer;
            if (trips.answered(nowNs)) {
                QCOMPARE(told, 0);
                told = answer;
                QVERIFY(trips.medianMs() > RoundTrips::kSlowMedianMs);
            }
        }
    }
    QCOMPARE(told, toldAtAnswer);
    QVERIFY(qAbs(trips.meanMs() - sumMs / answer) < 0.01);
}

QTEST_GUILESS_MAIN(TestRoundTrips)
#include "tst_round_trips.moc"
