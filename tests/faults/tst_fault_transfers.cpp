// Transfers through the real main window when the unit misbehaves on the line: it falls
// silent, answers wrongly or twice while the operator edits, or hangs up.
#include "byte_sequence.h"
#include "run_until.h"
#include "window_with_unit.h"

#include <QLabel>
#include <QtTest>

namespace {

constexpr int kTransferWaitMs = 120000;
constexpr int kButtonBytesSent = 2079;
// The unit takes the first byte after 0.5 s of silence as a new start byte; an operator
// who gives up on a silent unit has waited longer than that.
constexpr int kOperatorPatienceMs = 800;
// Long enough for a second report of a lost line to arrive, if there were one.
constexpr int kAfterLossMs = 300;

int sentSoFar(const Tanimlamalar &model)
{
    return static_cast<int>(model.TransferPosition);
}

}  // namespace

class TestFaultTransfers : public QObject {
    Q_OBJECT

private slots:
    void silentUnitLeavesTheNextSendWhole();
    void echoFaultsWhileTheOperatorEdits();
    void unitHangingUpKeepsTheSavedFile();
};

void TestFaultTransfers::silentUnitLeavesTheNextSendWhole()
{
    constexpr int kLastAnswered = 2099;  // terminal byte 2100 gets no answer
    WindowWithUnit w;
    MainMenuFixture &f = w.fixture;
    Tanimlamalar file;
    file.PriorityGroup[0][0] = 3;
    file.GroupStart[0] = 300;
    QVERIFY(w.start(file, {QStringLiteral("--silent-after"), QString::number(kLastAnswered + 1)}));

    click(f.button("Terminal_Gonder"));
    QVERIFY(runUntil([&] { return w.unit->received().size() == 1 + kLastAnswered + 2; }, kTransferWaitMs));
    QTest::qWait(kOperatorPatienceMs);
    QVERIFY(!f.model.TransferFinished);
    click(f.button("Buton_Gonder"));
    QVERIFY(runUntil([&] { return f.model.TransferFinished; }, kTransferWaitMs));

    const QByteArray received = w.unit->received();
    const QByteArray terminalPart = received.left(1 + kLastAnswered + 2);
    const QByteArray buttonPart = received.mid(terminalPart.size());
    QCOMPARE(terminalPart, startAndImage(f.model.TerminalImage.data(), kLastAnswered + 2));
    // Terminal 1, slot 1: group 3 at address 0.
    QCOMPARE(terminalPart.mid(1, 5), bytes({0xAA, 0x03, 0x00, 0x00, 0xA0}));
    QCOMPARE(buttonPart.size(), 1 + kButtonBytesSent);
    QCOMPARE(buttonPart, startAndImage(f.model.ButtonImage.data(), kButtonBytesSent));
    // Group 1's first number 300 = 0x012C, low byte to 0x1000, high byte to 0x1001.
    QCOMPARE(buttonPart.mid(1, 10), bytes({0xAA, 0x2C, 0x10, 0x00, 0xA0, 0xAA, 0x01, 0x10, 0x01, 0xA0}));
    QCOMPARE(f.find<QLabel>(QStringLiteral("Label19"))->text(), QStringLiteral("%  100"));
    // Byte 2100 of 41,920 went out last: 5 percent.
    QCOMPARE(f.find<QLabel>(QStringLiteral("Label18"))->text(), QStringLiteral("%  5"));
    QVERIFY(f.dialogs.shown.isEmpty());
}

// One button transfer: a wrong echo before the edit, an answer of two bytes after it. The
// operator raises "En Son Bilet" of "32. Buton" from 299 to 300 while the bytes go out, and
// the transfer goes on with the site as it began.
void TestFaultTransfers::echoFaultsWhileTheOperatorEdits()
{
    // Byte 53 is the address low byte 0x0A of group 6's first number; inverted it is 245.
    // Byte 603 is the address low byte 0x78 (0x1078) of group 29's end number.
    constexpr int kWrongEchoAt = 53;
    constexpr int kDoubleAt = 603;
    constexpr int kEditAfter = 100;
    constexpr int kEditedRecord = 1270;  // group 32's last ticket issued, low byte first
    WindowWithUnit w;
    MainMenuFixture &f = w.fixture;
    Tanimlamalar file;
    file.GroupEnable[31] = file.GroupEnableCopy[31] = kEnabled;
    file.GroupLastIssued[31] = 299;
    QVERIFY(w.start(file, {QStringLiteral("--wrong-echo-at"), QString::number(kWrongEchoAt),
                           QStringLiteral("--double-at"), QString::number(kDoubleAt)}));
    choose(f.combo("Buton_No_Combo"), 31);
    QCOMPARE(f.box("txtPrinter")->text(), QStringLiteral("299"));

    click(f.button("Buton_Gonder"));
    const auto sentImage = f.model.ButtonImage;
    QVERIFY(runUntil([&] { return sentSoFar(f.model) > kEditAfter; }, kTransferWaitMs));
    const int editedAt = sentSoFar(f.model);
    click(f.button("Printer_Arti"));
    QCOMPARE(f.box("txtPrinter")->text(), QStringLiteral("300"));
    QVERIFY2(editedAt < kEditedRecord, "the edited record went out before the edit");
    QVERIFY(runUntil([&] { return f.model.TransferFinished; }, kTransferWaitMs));

    QCOMPARE(f.dialogs.shown, (QStringList{QStringLiteral("Yükleme Hatası! Gönderilen:' 10' Yüklenen:' 245'"),
                                           QStringLiteral("Yükleme Hatası! Gönderilen:' 120' Yüklenen:' 120'")}));
    const QByteArray received = w.unit->received();
    QCOMPARE(received.size(), 1 + kButtonBytesSent);
    // 299 = 0x012B to 0x10FE and 0x10FF: the image as the transfer began; the edit to 300
    // waits for the next send, so the unit never holds half of each.
    QCOMPARE(received.mid(1 + kEditedRecord, 10), bytes({0xAA, 0x2B, 0x10, 0xFE, 0xA0, 0xAA, 0x01, 0x10, 0xFF, 0xA0}));
    QCOMPARE(received, startAndImage(sentImage.data(), kButtonBytesSent));
    QVERIFY(f.model.ButtonImage != sentImage);
    QCOMPARE(f.find<QLabel>(QStringLiteral("Label19"))->text(), QStringLiteral("%  100"));
}

void TestFaultTransfers::unitHangingUpKeepsTheSavedFile()
{
    WindowWithUnit w;
    MainMenuFixture &f = w.fixture;
    Tanimlamalar file;
    file.GroupEnable[2] = file.GroupEnableCopy[2] = kEnabled;
    file.GroupStart[2] = 299;
    QVERIFY(w.start(file, {QStringLiteral("--hangup-after"), QStringLiteral("100")}));
    choose(f.combo("Buton_No_Combo"), 2);
    click(f.button("Baslangic_Arti"));

    click(f.button("Buton_Gonder"));
    const QByteArray saved = f.folder.fileBytes();
    // Line 81 holds group 3's first number: the send saved the edit.
    QCOMPARE(saved.split('\n').value(80), QByteArray(" 300\r"));
    QVERIFY(runUntil([&] { return !f.dialogs.shown.isEmpty(); }, kTransferWaitMs));
    QTest::qWait(kAfterLossMs);

    QCOMPARE(f.dialogs.shown, QStringList{QStringLiteral("1 Numaralı Com Port bağlantısı kesildi.")});
    QCOMPARE(f.model.CurrentTransferMode, TransferMode::None);
    QVERIFY(!f.port.isOpen());
    QCOMPARE(f.folder.fileBytes(), saved);
    // The window goes on working: the next save writes the same file.
    click(f.button("cmdKaydet"));
    QCOMPARE(f.folder.fileBytes(), saved);
    QCOMPARE(f.dialogs.shown.size(), 1);
}

QTEST_MAIN(TestFaultTransfers)
#include "tst_fault_transfers.moc"
