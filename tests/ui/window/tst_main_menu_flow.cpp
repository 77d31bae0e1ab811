// One operator's flow end to end, through a pseudo-terminal and the simulated control unit:
// choose "3. Buton", click "+" beside txtBaslangic, send the button settings.
#include "byte_sequence.h"
#include "main_menu_fixture.h"
#include "run_until.h"
#include "unit_sim_process.h"

#include <QFile>
#include <QLabel>
#include <QtTest>

namespace {

constexpr int kTransferWaitMs = 120000;
constexpr int kButtonBytesSent = 2079;
constexpr int kRecordSize = 5;

}  // namespace

class MainMenuFlowTest : public QObject {
    Q_OBJECT

private slots:
    void buttonSettingsReachTheUnit();
};

void MainMenuFlowTest::buttonSettingsReachTheUnit()
{
    MainMenuFixture f;
    Tanimlamalar file;
    file.GroupEnable[2] = file.GroupEnableCopy[2] = 100;
    file.GroupStart[2] = 299;
    f.writeSettings(file);
    const QString com1 = f.folder.folder() + QStringLiteral("/ports/com1");
    QFile::remove(com1);
    UnitSimProcess unit(QStringLiteral(BILVEX_UNIT_SIM), com1);
    QVERIFY(unit.started());
    QCOMPARE(f.start(), StartDecision::Continue);
    QVERIFY(f.port.isOpen());

    choose(f.combo("Buton_No_Combo"), 2);
    click(f.button("Baslangic_Arti"));
    QCOMPARE(f.box("txtBaslangic")->text(), QStringLiteral("300"));
    click(f.button("Buton_Gonder"));

    // Saved before the first byte went out: line 81 holds GroupStart of group 3.
    QCOMPARE(f.folder.fileBytes().split('\n')[80], QByteArray(" 300\r"));
    auto *progress = f.find<QLabel>(QStringLiteral("Label19"));
    QVERIFY(runUntil([&] { return f.model.TransferFinished; }, kTransferWaitMs));
    QCOMPARE(progress->text(), QStringLiteral("%  100"));
    unit.stop();
    QVERIFY(f.dialogs.shown.isEmpty());

    const QByteArray received = unit.received();
    QCOMPARE(received.size(), 1 + kButtonBytesSent);
    QCOMPARE(received.left(1), bytes({0xAA}));
    const QByteArray image = received.mid(1);
    // Group 3's start number 300 = 0x012C, low byte to 0x1004, high byte to 0x1005.
    QCOMPARE(image.mid(20, 10), bytes({0xAA, 0x2C, 0x10, 0x04, 0xA0, 0xAA, 0x01, 0x10, 0x05, 0xA0}));
    // Its enable value and the copy, at 0x1122 and 0x1142.
    QCOMPARE(image.mid(1280 + 10, 5), bytes({0xAA, 0x64, 0x11, 0x22, 0xA0}));
    QCOMPARE(image.mid(1440 + 10, 5), bytes({0xAA, 0x64, 0x11, 0x42, 0xA0}));
    // The limit of group 32 at 0x12EF: its end marker is the byte never sent.
    QCOMPARE(image.mid(2075), bytes({0xAA, 0x00, 0x12, 0xEF}));
    // Every other record carries a zero data byte.
    const QList<int> carrying{20, 25, 1290, 1450};
    for (int position = 0; position < image.size(); position += kRecordSize) {
        QCOMPARE(uint8_t(image[position]), uint8_t(0xAA));
        if (!carrying.contains(position))
            QCOMPARE(uint8_t(image[position + 1]), uint8_t(0));
    }
}

QTEST_MAIN(MainMenuFlowTest)
#include "tst_main_menu_flow.moc"
