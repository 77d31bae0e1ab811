// The two panels in use: every stepper on its own box, the enable row, Reset, switching
// terminals and groups, typed values, the slots the panel never shows, and the free controls.
#include "main_menu_fixture.h"
#include "ports/port_messages.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QtTest>

namespace {

const QString kNoMessage;

// Group 1 enabled, so its steppers can be clicked.
Tanimlamalar enabledGroups()
{
    Tanimlamalar m;
    for (int g = 0; g < kGroupCount; ++g)
        m.GroupEnable[g] = m.GroupEnableCopy[g] = 100;
    return m;
}

QByteArrayList fileLines(const MainMenuFixture &f)
{
    return f.folder.fileBytes().split('\n');
}

}  // namespace

class MainMenuPanelsTest : public QObject {
    Q_OBJECT

private slots:
    void groupStepperActsOnItsBox_data();
    void groupStepperActsOnItsBox();
    void priorityStepperActsOnItsRow_data();
    void priorityStepperActsOnItsRow();
    void enableRowFollowsButonEnable();
    void enableRowReactsToTheKeyboard();
    void limitCheckCaptionAndModel();
    void resetCopiesTheStartNumber();
    void switchingRefillsBothPanels();
    void unknownEnableKeepsTheCheckBox();
    void choosingTheShownGroupAgainReloadsIt();
    void typedValueReachesTheModelAtTheNextCapture();
    void selectorChoicesStoreGroupNumbers_data();
    void selectorChoicesStoreGroupNumbers();
    void hiddenSlotsSurviveEditsAndSaves();
    void command2SavesThePortAndAsksForARestart();
    void portPickerLinksComNThenSaves_data();
    void portPickerLinksComNThenSaves();
    void closingTheWindowClosesTheEditor();
    void progressCaptionsGoToTheirLabels_data();
    void progressCaptionsGoToTheirLabels();
};

void MainMenuPanelsTest::groupStepperActsOnItsBox_data()
{
    QTest::addColumn<QString>("stepper");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("message");

    const QString startBelow = QStringLiteral("Başlangıç Sayısı Sıfırdan Küçük Olamaz");
    QTest::newRow("Baslangic_Eksi_50 clamps at 0") << "Baslangic_Eksi_50"
                                                   << "txtBaslangic"
                                                   << "30"
                                                   << "0" << startBelow;
    QTest::newRow("Baslangic_Eksi keeps 0") << "Baslangic_Eksi"
                                            << "txtBaslangic"
                                            << "0"
                                            << "0" << startBelow;
    QTest::newRow("Baslangic_Arti") << "Baslangic_Arti"
                                    << "txtBaslangic"
                                    << "299"
                                    << "300" << kNoMessage;
    QTest::newRow("Baslangic_Arti_50 clamps at 999") << "Baslangic_Arti_50"
                                                     << "txtBaslangic"
                                                     << "960"
                                                     << "999"
                                                     << "Başlangıç Sayısı 999'dan Büyük Olamaz";
    QTest::newRow("Bitis_Eksi_50") << "Bitis_Eksi_50"
                                   << "txtBitis"
                                   << "100"
                                   << "50" << kNoMessage;
    QTest::newRow("Bitis_Eksi") << "Bitis_Eksi"
                                << "txtBitis"
                                << "0"
                                << "0"
                                << "Bitiş Sayısı Sıfırdan Küçük Olamaz";
    QTest::newRow("Bitis_Arti") << "Bitis_Arti"
                                << "txtBitis"
                                << "999"
                                << "999"
                                << "Bitiş Sayısı 999'dan Büyük Olamaz";
    QTest::newRow("Bitis_Arti_50") << "Bitis_Arti_50"
                                   << "txtBitis"
                                   << "1"
                                   << "51" << kNoMessage;
    QTest::newRow("Suan_Eksi_50") << "Suan_Eksi_50"
                                  << "txtSuan"
                                  << "10"
                                  << "0"
                                  << "En Son Çağırılan Numara Sıfırdan Küçük Olamaz";
    QTest::newRow("Suan_Eksi from 1200") << "Suan_Eksi"
                                         << "txtSuan"
                                         << "1200"
                                         << "999"
                                         << "En Son Çağırılan Numara 999'dan Büyük Olamaz";
    QTest::newRow("Suan_Arti from -3") << "Suan_Arti"
                                       << "txtSuan"
                                       << "-3"
                                       << "-2" << kNoMessage;
    QTest::newRow("Suan_Arti_50") << "Suan_Arti_50"
                                  << "txtSuan"
                                  << "7"
                                  << "57" << kNoMessage;
    QTest::newRow("Printer_Eksi_50") << "Printer_Eksi_50"
                                     << "txtPrinter"
                                     << "999"
                                     << "949" << kNoMessage;
    QTest::newRow("Printer_Eksi") << "Printer_Eksi"
                                  << "txtPrinter"
                                  << "0"
                                  << "0"
                                  << "En Son Verilen Bilet Numarası Sıfırdan Küçük Olamaz";
    QTest::newRow("Printer_Arti") << "Printer_Arti"
                                  << "txtPrinter"
                                  << "5"
                                  << "6" << kNoMessage;
    QTest::newRow("Printer_Arti_50") << "Printer_Arti_50"
                                     << "txtPrinter"
                                     << "950"
                                     << "999"
                                     << "En Son Verilen Bilet Numarası 999'dan Büyük Olamaz";
}

void MainMenuPanelsTest::groupStepperActsOnItsBox()
{
    QFETCH(QString, stepper);
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, result);
    QFETCH(QString, message);
    MainMenuFixture f;
    f.writeSettings(enabledGroups());
    f.start();
    choose(f.combo("Buton_No_Combo"), 2);
    f.box(box)->setText(text);

    click(f.button(stepper));

    QCOMPARE(f.box(box)->text(), result);
    QCOMPARE(f.dialogs.shown, message.isEmpty() ? QStringList() : QStringList{message});
    const GroupArray &stored = box == "txtBaslangic" ? f.model.GroupStart
                               : box == "txtBitis"   ? f.model.GroupEnd
                               : box == "txtSuan"    ? f.model.GroupLastCalled
                                                     : f.model.GroupLastIssued;
    QCOMPARE(stored[2], int16_t(result.toInt()));
}

void MainMenuPanelsTest::priorityStepperActsOnItsRow_data()
{
    QTest::addColumn<QString>("stepper");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("message");

    QTest::newRow("Arti on MAX") << "Arti"
                                 << "MAX"
                                 << "MAX" << 255 << "Öncelik Sayısı MAXIMUM tanımlanmıştır";
    QTest::newRow("Arti_50 past 254") << "Arti_50"
                                      << "205"
                                      << "MAX" << 255
                                      << "Öncelik Sayısı 254'den Büyük Olamaz. MAXIMUM olarak tanımlanacak.";
    QTest::newRow("Eksi on MAX") << "Eksi"
                                 << "MAX"
                                 << "254" << 254 << kNoMessage;
    QTest::newRow("Eksi_50 below 0") << "Eksi_50"
                                     << "30"
                                     << "0" << 0 << "Öncelik Sayısı Sıfırdan Küçük Olamaz";
    QTest::newRow("Arti on a loaded count") << "Arti"
                                            << " 5"
                                            << "6" << 6 << kNoMessage;
}

// Row 7 of terminal 5, so a stepper wired to the wrong row or terminal shows.
void MainMenuPanelsTest::priorityStepperActsOnItsRow()
{
    QFETCH(QString, stepper);
    QFETCH(QString, text);
    QFETCH(QString, result);
    QFETCH(int, stored);
    QFETCH(QString, message);
    MainMenuFixture f;
    f.writeSettings(Tanimlamalar{});
    f.start();
    choose(f.combo("Terminal_No_Combo"), 4);
    f.box("txtOncelikSayisi_6")->setText(text);

    click(f.button(stepper + "_6"));

    QCOMPARE(f.box("txtOncelikSayisi_6")->text(), result);
    QCOMPARE(f.dialogs.shown, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(f.model.PriorityCount[4][6], int16_t(stored));
    QCOMPARE(f.model.PriorityCount[0][6], int16_t(0));
}

void MainMenuPanelsTest::enableRowFollowsButonEnable()
{
    MainMenuFixture f;
    f.start();
    const QStringList row{
        "Baslangic_Eksi_50", "Baslangic_Eksi", "Baslangic_Arti",   "Baslangic_Arti_50", "Bitis_Eksi_50",
        "Bitis_Eksi",        "Bitis_Arti",     "Bitis_Arti_50",    "Suan_Eksi_50",      "Suan_Eksi",
        "Suan_Arti",         "Suan_Arti_50",   "Printer_Eksi_50",  "Printer_Eksi",      "Printer_Arti",
        "Printer_Arti_50",   "Reset",          "Bilet_Data_Combo", "Limit_Check"};
    const QStringList alwaysUsable{"txtBaslangic",   "txtBitis",     "txtSuan",     "txtPrinter",
                                   "Buton_No_Combo", "Buton_Enable", "Buton_Gonder"};

    tick(f.check("Buton_Enable"));
    QCOMPARE(f.check("Buton_Enable")->text(), QStringLiteral("Buton Açık"));
    for (const QString &name : row)
        QVERIFY2(f.find<QWidget>(name)->isEnabled(), qPrintable(name));
    QCOMPARE(f.model.GroupEnable[0], int16_t(100));
    QCOMPARE(f.model.GroupEnableCopy[0], int16_t(100));

    tick(f.check("Buton_Enable"));
    QCOMPARE(f.check("Buton_Enable")->text(), QStringLiteral("Buton Kapalı"));
    for (const QString &name : row)
        QVERIFY2(!f.find<QWidget>(name)->isEnabled(), qPrintable(name));
    for (const QString &name : alwaysUsable)
        QVERIFY2(f.find<QWidget>(name)->isEnabled(), qPrintable(name));
    QCOMPARE(f.model.GroupEnable[0], int16_t(0));
    QCOMPARE(f.model.GroupEnableCopy[0], int16_t(0));
}

void MainMenuPanelsTest::enableRowReactsToTheKeyboard()
{
    MainMenuFixture f;
    f.start();
    QTest::keyClick(f.check("Buton_Enable"), Qt::Key_Space);
    QCOMPARE(f.check("Buton_Enable")->text(), QStringLiteral("Buton Açık"));
    QCOMPARE(f.model.GroupEnable[0], int16_t(100));
}

void MainMenuPanelsTest::limitCheckCaptionAndModel()
{
    MainMenuFixture f;
    f.writeSettings(enabledGroups());
    f.start();
    tick(f.check("Limit_Check"));
    QCOMPARE(f.check("Limit_Check")->text(), QStringLiteral("Limit Var"));
    QCOMPARE(f.model.GroupLimit[0], int16_t(1));
    tick(f.check("Limit_Check"));
    QCOMPARE(f.check("Limit_Check")->text(), QStringLiteral("Limit Yok"));
    QCOMPARE(f.model.GroupLimit[0], int16_t(0));
}

void MainMenuPanelsTest::resetCopiesTheStartNumber()
{
    MainMenuFixture f;
    Tanimlamalar file = enabledGroups();
    file.GroupStart[0] = 25;
    file.GroupLastCalled[0] = 130;
    file.GroupLastIssued[0] = 140;
    f.writeSettings(file);
    f.start();

    click(f.button("Reset"));

    for (const char *name : {"txtBaslangic", "txtSuan", "txtPrinter"})
        QCOMPARE(f.box(name)->text(), QStringLiteral("25"));
    QCOMPARE(f.model.GroupLastCalled[0], int16_t(25));
    QCOMPARE(f.model.GroupLastIssued[0], int16_t(25));
    QVERIFY(f.dialogs.shown.isEmpty());
}

void MainMenuPanelsTest::switchingRefillsBothPanels()
{
    MainMenuFixture f;
    Tanimlamalar file;
    file.PriorityGroup[2][0] = 4;
    file.PriorityCount[2][0] = 9;
    file.PriorityGroup[63][15] = 16;
    file.GroupStart[3] = 321;
    file.GroupEnable[3] = file.GroupEnableCopy[3] = 100;
    file.GroupLayout[3] = 15;
    f.writeSettings(file);
    f.start();

    choose(f.combo("Terminal_No_Combo"), 2);
    QCOMPARE(f.combo("Buton_Listesi_Combo_0")->currentText(), QStringLiteral("4. Buton"));
    QCOMPARE(f.box("txtOncelikSayisi_0")->text(), QStringLiteral(" 9"));

    choose(f.combo("Buton_No_Combo"), 3);
    QCOMPARE(f.box("txtBaslangic")->text(), QStringLiteral("321"));
    QCOMPARE(f.combo("Bilet_Data_Combo")->currentText(), QStringLiteral("16. Bilet Datası"));
    QCOMPARE(f.check("Buton_Enable")->text(), QStringLiteral("Buton Açık"));
    QCOMPARE(f.combo("Buton_Listesi_Combo_0")->currentText(), QStringLiteral("4. Buton"));

    choose(f.combo("Terminal_No_Combo"), 63);
    QCOMPARE(f.combo("Buton_Listesi_Combo_15")->currentText(), QStringLiteral("16. Buton"));
    QCOMPARE(f.box("txtBaslangic")->text(), QStringLiteral("321"));
}

// "3. Buton" holds an enable value the check box cannot show: the box stays ticked from
// group 2, and the capture that follows the load stores that state for group 3.
void MainMenuPanelsTest::unknownEnableKeepsTheCheckBox()
{
    MainMenuFixture f;
    Tanimlamalar file;
    file.GroupEnable[1] = file.GroupEnableCopy[1] = 100;
    file.GroupEnable[2] = file.GroupEnableCopy[2] = 7;
    f.writeSettings(file);
    f.start();
    choose(f.combo("Buton_No_Combo"), 1);

    choose(f.combo("Buton_No_Combo"), 2);

    QVERIFY(f.check("Buton_Enable")->isChecked());
    QCOMPARE(f.check("Buton_Enable")->text(), QStringLiteral("Buton Açık"));
    QVERIFY(f.button("Reset")->isEnabled());
    QCOMPARE(f.model.GroupEnable[2], int16_t(100));
    QCOMPARE(f.model.GroupEnableCopy[2], int16_t(100));
}

// The operator's choice of the entry already shown still runs its handler: the group is
// loaded again and a typed, not yet captured number is discarded.
void MainMenuPanelsTest::choosingTheShownGroupAgainReloadsIt()
{
    MainMenuFixture f;
    f.start();
    f.box("txtBitis")->setText(QStringLiteral("500"));

    choose(f.combo("Buton_No_Combo"), 0);

    QCOMPARE(f.box("txtBitis")->text(), QStringLiteral("0"));
    QCOMPARE(f.model.GroupEnd[0], int16_t(0));
}

void MainMenuPanelsTest::typedValueReachesTheModelAtTheNextCapture()
{
    MainMenuFixture f;
    f.start();
    QLineEdit *end = f.box("txtBitis");
    end->selectAll();
    QTest::keyClicks(end, QStringLiteral("5000"));
    QCOMPARE(end->text(), QStringLiteral("500"));  // the fourth digit is refused
    QLineEdit *count = f.box("txtOncelikSayisi_3");
    count->selectAll();
    QTest::keyClicks(count, QStringLiteral("MAX"));
    QCOMPARE(f.model.GroupEnd[0], int16_t(0));

    choose(f.combo("Buton_Listesi_Combo_0"), 1);

    QCOMPARE(f.model.GroupEnd[0], int16_t(500));
    QCOMPARE(f.model.PriorityCount[0][3], int16_t(255));
}

void MainMenuPanelsTest::selectorChoicesStoreGroupNumbers_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("shown");

    QTest::newRow("Yok stores 0") << 0 << "Yok";
    QTest::newRow("entry 7 is spelled with lower-case b") << 7 << "7. buton";
    QTest::newRow("16. Buton stores 16") << 16 << "16. Buton";
}

void MainMenuPanelsTest::selectorChoicesStoreGroupNumbers()
{
    QFETCH(int, position);
    QFETCH(QString, shown);
    MainMenuFixture f;
    Tanimlamalar file;
    file.PriorityGroup[63][9] = 3;
    f.writeSettings(file);
    f.start();
    choose(f.combo("Terminal_No_Combo"), 63);

    choose(f.combo("Buton_Listesi_Combo_9"), position);

    QCOMPARE(f.combo("Buton_Listesi_Combo_9")->currentText(), shown);
    QCOMPARE(f.model.PriorityGroup[63][9], int16_t(position));
}

void MainMenuPanelsTest::hiddenSlotsSurviveEditsAndSaves()
{
    MainMenuFixture f;
    Tanimlamalar file;
    for (int s = kPanelSlotCount; s < kSlotCount; ++s) {
        file.PriorityGroup[0][s] = int16_t(s - 15);
        file.PriorityCount[5][s] = int16_t(s);
    }
    f.writeSettings(file);
    f.start();

    choose(f.combo("Buton_Listesi_Combo_15"), 9);
    click(f.button("Arti_50_15"));
    choose(f.combo("Terminal_No_Combo"), 5);
    click(f.button("Eksi_15"));
    click(f.button("Arti_15"));
    click(f.button("cmdKaydet"));

    for (int s = kPanelSlotCount; s < kSlotCount; ++s) {
        QCOMPARE(f.model.PriorityGroup[0][s], int16_t(s - 15));
        QCOMPARE(f.model.PriorityCount[5][s], int16_t(s));
    }
    const QByteArrayList lines = fileLines(f);
    // Lines 249 + 34t + s and 2425 + 34t + s, counted from 1.
    QCOMPARE(lines[248 + 20], QByteArray(" 5\r"));
    QCOMPARE(lines[2424 + 34 * 5 + 20], QByteArray(" 20\r"));
}

void MainMenuPanelsTest::command2SavesThePortAndAsksForARestart()
{
    MainMenuFixture f;
    f.start();
    QLineEdit *port = f.box("Text4");
    port->selectAll();
    QTest::keyClicks(port, QStringLiteral("4"));

    click(f.button("Command2"));

    QCOMPARE(fileLines(f)[4], QByteArray("4\r"));
    QCOMPARE(f.dialogs.shown.last(),
             QStringLiteral("Com Port ayarlarının geçerli olabilmesi için programı kapatıp tekrar açınız"));
}

void MainMenuPanelsTest::portPickerLinksComNThenSaves_data()
{
    QTest::addColumn<QString>("portText");
    QTest::addColumn<bool>("linked");
    QTest::newRow("COM 4 now leads to the chosen adapter") << QStringLiteral("4") << true;
    QTest::newRow("no port number: told, nothing changes") << QStringLiteral("abc") << false;
}

void MainMenuPanelsTest::portPickerLinksComNThenSaves()
{
    QFETCH(QString, portText);
    QFETCH(bool, linked);
    MainMenuFixture f;
    f.start();
    const QString adapter = f.folder.folder() + QStringLiteral("/ttyUSB0");
    QVERIFY(QFile(adapter).open(QIODevice::WriteOnly));
    f.dialogs.portToChoose = PortDescription{adapter, {}, {}, {}, {}};
    f.box("Text4")->setText(portText);
    const QByteArray before = f.folder.fileBytes();

    click(f.button("Port_Sec"));

    const QFileInfo com4(f.folder.folder() + QStringLiteral("/ports/com4"));
    QCOMPARE(com4.symLinkTarget(), linked ? adapter : f.folder.folder() + QStringLiteral("/no-such-device"));
    QCOMPARE(f.folder.fileBytes() != before, linked);
    QCOMPARE(f.dialogs.shown.last(), linked ? QStringLiteral("Com Port ayarlarının geçerli olabilmesi için programı "
                                                             "kapatıp tekrar açınız")
                                            : pickerNeedsPortNumberMessage());
}

void MainMenuPanelsTest::closingTheWindowClosesTheEditor()
{
    MainMenuFixture f;
    f.start();
    f.window->show();
    click(f.button("Ticket_Editor"));
    QVERIFY(!f.window->isVisible());
    const auto editors = [] {
        int count = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            count += w->inherits("Editor") ? 1 : 0;
        return count;
    };
    QCOMPARE(editors(), 1);

    f.window->show();
    f.window->close();

    QCOMPARE(editors(), 0);
}

void MainMenuPanelsTest::progressCaptionsGoToTheirLabels_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("label");

    QTest::newRow("terminal settings in Label18") << int(TransferMode::TerminalSettings) << "Label18";
    QTest::newRow("button settings in Label19") << int(TransferMode::ButtonSettings) << "Label19";
    QTest::newRow("date and time in Label20") << int(TransferMode::DateTime) << "Label20";
}

void MainMenuPanelsTest::progressCaptionsGoToTheirLabels()
{
    QFETCH(int, kind);
    QFETCH(QString, label);
    MainMenuFixture f;
    f.start();
    // Ticket progress has nowhere to go while the editor does not exist.
    emit f.session.progress(TransferMode::TicketData, QStringLiteral("%  7"));

    emit f.session.progress(TransferMode(kind), QStringLiteral("%  42"));

    for (const char *name : {"Label18", "Label19", "Label20"})
        QCOMPARE(f.find<QLabel>(name)->text(), name == label ? QStringLiteral("%  42") : QStringLiteral("%0"));
}

QTEST_MAIN(MainMenuPanelsTest)
#include "tst_main_menu_panels.moc"
