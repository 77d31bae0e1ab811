#include "byte_sequence.h"
#include "run_until.h"
#include "scripted_dialogs.h"
#include "settings_folder.h"
#include "ui/editor/editor.h"
#include "unit_sim_process.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

constexpr int kTicketTransferMs = 60000;

// The main window's part: the session with the unit.
class MainWindowRig {
public:
    Tanimlamalar model;
    ScriptedDialogs dialogs;
    UnitSession session{model, dialogs};
    QWidget window;
    QPointer<Editor> editor;

    MainWindowRig()
    {
        model.ImagesBuilt = true;
        window.show();
    }
    ~MainWindowRig() { delete editor; }
    MainWindowRig(const MainWindowRig &) = delete;
    MainWindowRig &operator=(const MainWindowRig &) = delete;
};

// What the unit must receive for the layout 'AB',13 sent as "16th Ticket": the start byte,
// then records AF, data, k, 0F, A5 for k = 0..255.
QByteArray expectedLine()
{
    QByteArray line("\xAA");
    const QByteArray layout("AB\r");
    for (int k = 0; k < 256; ++k) {
        const char data = k < layout.size() ? layout.at(k) : '\0';
        line += bytes({0xAF, data, k, 0x0F, 0xA5});
    }
    return line;
}

}  // namespace

class TstEditorEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void sendsTheLayoutToTheUnit_data();
    void sendsTheLayoutToTheUnit();
};

void TstEditorEndToEnd::sendsTheLayoutToTheUnit_data()
{
    QTest::addColumn<bool>("noFirst");
    QTest::newRow("Yes at once") << false;
    QTest::newRow("No sends nothing, a later Yes sends once") << true;
}

void TstEditorEndToEnd::sendsTheLayoutToTheUnit()
{
    QFETCH(bool, noFirst);
    SettingsFolder settings;
    UnitSimProcess unit(QStringLiteral(BILVEX_UNIT_SIM), settings.folder() + QStringLiteral("/ports/com1"));
    QVERIFY(unit.started());
    MainWindowRig rig;
    QCOMPARE(rig.session.openPort(QStringLiteral("1")), StartDecision::Continue);

    QTemporaryDir dir;
    QFile layout(dir.filePath(QStringLiteral("bilet.txt")));
    QVERIFY(layout.open(QIODevice::WriteOnly));
    layout.write("'AB',13\r\n");
    layout.close();
    rig.dialogs.fileToOpen = layout.fileName();

    Editor *editor = Editor::showInsteadOf(rig.editor, rig.model, rig.session, rig.dialogs, &rig.window);
    QTest::mouseClick(editor->findChild<QPushButton *>("Ticket_Open"), Qt::LeftButton);
    editor->findChild<QComboBox *>("Bilet_No_Combo")->setCurrentIndex(15);
    if (noFirst) {
        rig.dialogs.answerYes = false;
        QTest::mouseClick(editor->findChild<QPushButton *>("Send_Control"), Qt::LeftButton);
        QVERIFY(!rig.session.engine().isRunning());
        rig.dialogs.answerYes = true;
    }
    QTest::mouseClick(editor->findChild<QPushButton *>("Send_Control"), Qt::LeftButton);
    QVERIFY(runUntil([&] { return rig.model.TransferFinished; }, kTicketTransferMs));

    QCOMPARE(unit.received(), expectedLine());
    QCOMPARE(editor->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("%  100"));
    QCOMPARE(rig.dialogs.titles.size(), noFirst ? 2 : 1);
    QCOMPARE(rig.dialogs.shown.last(), QStringLiteral("Do you want send as 16th TICKET?"));
}

QTEST_MAIN(TstEditorEndToEnd)
#include "tst_editor_end_to_end.moc"
