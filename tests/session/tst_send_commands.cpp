#include "config/settings_file.h"
#include "fake_link.h"
#include "scripted_dialogs.h"
#include "settings_folder.h"

#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(TransferMode)

namespace {

struct Rig : FakeUnitSession {
    SettingsFolder folder;

    void send(bool terminal) { terminal ? session.sendTerminals() : session.sendButtons(); }
};

}  // namespace

class TestSendCommands : public QObject {
    Q_OBJECT
private slots:
    void savesThenSendsStartByte_data();
    void savesThenSendsStartByte();
    void refusedImageIsSavedButNotSent_data();
    void refusedImageIsSavedButNotSent();
    void terminalSendAbandonsButtonTransfer();
    void closedPortStillSaves();
    void clockCommandSendsFrameWithoutSaving_data();
    void clockCommandSendsFrameWithoutSaving();
};

void TestSendCommands::savesThenSendsStartByte_data()
{
    QTest::addColumn<bool>("terminal");
    QTest::addColumn<TransferMode>("kind");
    QTest::newRow("Buton_Gonder") << false << TransferMode::ButtonSettings;
    QTest::newRow("Terminal_Gonder") << true << TransferMode::TerminalSettings;
}

void TestSendCommands::savesThenSendsStartByte()
{
    QFETCH(bool, terminal);
    QFETCH(TransferMode, kind);
    Rig rig;
    rig.model->GroupStart[2] = 123;
    rig.model->PriorityCount[4][1] = 7;
    QByteArray fileWhenStartByteLeft;
    rig.link.onWrite = [&](uint8_t) { fileWhenStartByteLeft = rig.folder.fileBytes(); };

    rig.send(terminal);

    QCOMPARE(rig.link.written, QByteArray(1, char(0xAA)));
    QVERIFY(!fileWhenStartByteLeft.isEmpty());
    QCOMPARE(fileWhenStartByteLeft, settingsFileBytes(*rig.model));
    QCOMPARE(rig.model->CurrentTransferMode, kind);
    QCOMPARE(rig.model->TransferPosition, 0.0);
    QVERIFY(!rig.model->TransferFinished);
    QCOMPARE(rig.dialogs.shown, QStringList());
}

void TestSendCommands::refusedImageIsSavedButNotSent_data()
{
    QTest::addColumn<bool>("terminal");
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("message");
    QTest::newRow("terminal image refused") << true << QStringLiteral("3. Terminal, 5. Öncelikli Buton")
                                            << QStringLiteral("3. Terminal, 5. Öncelikli Buton: 300 gönderilemez.");
    QTest::newRow("button image refused")
        << false << QStringLiteral("3. Buton, Başlangıç") << QStringLiteral("3. Buton, Başlangıç: 300 gönderilemez.");
}

void TestSendCommands::refusedImageIsSavedButNotSent()
{
    QFETCH(bool, terminal);
    QFETCH(QString, where);
    QFETCH(QString, message);
    Rig rig;
    const BuildRefusal refusal{where, QStringLiteral("300")};
    (terminal ? rig.model->TerminalImageRefusal : rig.model->ButtonImageRefusal) = refusal;

    rig.send(terminal);

    QCOMPARE(rig.dialogs.shown, QStringList{message});
    QVERIFY(rig.link.written.isEmpty());
    QCOMPARE(rig.model->CurrentTransferMode, TransferMode::None);
    QCOMPARE(rig.folder.fileBytes(), settingsFileBytes(*rig.model));

    // The other image is not held back by this refusal.
    rig.send(!terminal);
    QCOMPARE(rig.link.written, QByteArray(1, char(0xAA)));
    QCOMPARE(rig.dialogs.shown.size(), 1);
}

void TestSendCommands::terminalSendAbandonsButtonTransfer()
{
    Rig rig;
    rig.session.sendButtons();
    rig.link.waiting = QByteArray(1, '\0');
    rig.engine.MSComm1_OnComm();
    QCOMPARE(rig.model->TransferPosition, 1.0);

    rig.session.sendTerminals();
    QCOMPARE(rig.link.written.right(1), QByteArray(1, char(0xAA)));
    QCOMPARE(rig.model->CurrentTransferMode, TransferMode::TerminalSettings);
    QCOMPARE(rig.model->TransferPosition, 0.0);
    QCOMPARE(rig.dialogs.shown, QStringList());
}

void TestSendCommands::closedPortStillSaves()
{
    Rig rig;
    rig.link.open = false;
    rig.link.reason = QStringLiteral("Port bulunamadı.");
    rig.session.sendButtons();
    QCOMPARE(rig.folder.fileBytes(), settingsFileBytes(*rig.model));
    QCOMPARE(rig.dialogs.shown,
             QStringList{QStringLiteral("3 Numaralı Com Port açık değil. Gönderim yapılamadı.\nPort bulunamadı.")});
    QCOMPARE(rig.model->CurrentTransferMode, TransferMode::None);
}

void TestSendCommands::clockCommandSendsFrameWithoutSaving_data()
{
    QTest::addColumn<int>("chip");
    QTest::addColumn<QByteArray>("records");
    QTest::newRow("DS1307") << 0 << QByteArray::fromHex("B40007BE B40135BE B40214BE B40406BE B40512BE B40626BE");
    QTest::newRow("PCF8583") << 1 << QByteArray::fromHex("B40207BE B40335BE B40414BE B40586BE B40612BE B41006BE");
}

void TestSendCommands::clockCommandSendsFrameWithoutSaving()
{
    QFETCH(int, chip);
    QFETCH(QByteArray, records);
    Rig rig;
    rig.model->ClockChip = static_cast<int16_t>(chip);
    rig.link.answerLikeTheUnit();

    rig.session.sendClock(QDateTime(QDate(2026, 12, 6), QTime(14, 35, 7)));
    QCOMPARE(rig.link.written, QByteArray(1, char(0xAA)));
    QCOMPARE(rig.model->CurrentTransferMode, TransferMode::DateTime);
    while (rig.engine.isRunning())
        rig.engine.MSComm1_OnComm();

    QCOMPARE(rig.link.written.toHex(' '), (QByteArray(1, char(0xAA)) + records).toHex(' '));
    QVERIFY(rig.folder.fileBytes().isEmpty());
    QCOMPARE(rig.progress.captions().last(), QStringLiteral("%  100"));
}

QTEST_GUILESS_MAIN(TestSendCommands)
#include "tst_send_commands.moc"
