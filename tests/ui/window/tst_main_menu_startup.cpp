// Start-up of the main window: the settings file, what the panels show, the selections the
// load makes, the gating of the click handlers, and settings files with values out of range.
#include "config/settings_file.h"
#include "main_menu_fixture.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kFileMissing = QStringLiteral(
    "Hata kodu:53    C:\\ZEMRA_Bilvex_Polynet_Ver_3_04.txt isimli dosya bulunamadı. Yeni bir dosya oluşturulacak.");
const QString kFileCut = QStringLiteral(
    "Hata kodu:62   Hatalı formatta dosya. C:\\ZEMRA_Bilvex_Polynet_Ver_3_04.txt isimli dosyayı harddiskten "
    "silip tekrar deneyiniz");

QString row(const char *name, int s)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(s);
}

// A file with values in every place the panels show for terminal 1 and group 1.
Tanimlamalar filledModel()
{
    Tanimlamalar m;
    m.Text4 = QStringLiteral(" 3");
    m.ClockChip = 1;
    m.PriorityGroup[0][0] = 3;
    m.PriorityCount[0][0] = 5;
    m.PriorityGroup[0][1] = 16;
    m.PriorityCount[0][1] = 255;
    m.PriorityGroup[0][20] = 9;
    m.PriorityCount[0][20] = 77;
    m.GroupEnable[0] = m.GroupEnableCopy[0] = 100;
    m.GroupLimit[0] = 1;
    m.GroupStart[0] = 12;
    m.GroupEnd[0] = 400;
    m.GroupLastCalled[0] = 30;
    m.GroupLastIssued[0] = 35;
    m.GroupLayout[0] = 4;
    return m;
}

}  // namespace

class MainMenuStartupTest : public QObject {
    Q_OBJECT

private slots:
    void firstStartWritesTheFileAndShowsEmptyPanels();
    void startWithFileShowsTerminalOneAndGroupOne();
    void loadSelectionsChangeNothingButTheClockChip();
    void fileCutShortEndsBeforeTheWindowShows();
    void focusStartsInText4();
    void tabOrderFollowsTheFrames();
    void labelsNameTheirControls_data();
    void labelsNameTheirControls();
    void repeatedCaptionsHaveRowNames_data();
    void repeatedCaptionsHaveRowNames();
    void gatedHandlersIgnoreTheOperatorWhileLoading_data();
    void gatedHandlersIgnoreTheOperatorWhileLoading();
    void steppersAndClockChipAreNotGated();
    void valuesOutOfRangeOpenTheWindow();
    void selectorsWithoutSelectionRefuseTheirImage();
};

void MainMenuStartupTest::firstStartWritesTheFileAndShowsEmptyPanels()
{
    MainMenuFixture f;
    QCOMPARE(f.start(), StartDecision::Continue);

    QCOMPARE(f.dialogs.shown, QStringList{kFileMissing});
    const QByteArray file = f.folder.fileBytes();
    QCOMPARE(file.size(), 24942);
    QCOMPARE(file.count("\r\n"), 4599);
    QCOMPARE(f.combo("Terminal_No_Combo")->currentText(), QStringLiteral("1. Terminal"));
    for (int s = 0; s < kPanelSlotCount; ++s) {
        QCOMPARE(f.combo(row("Buton_Listesi_Combo", s))->currentText(), QStringLiteral("Yok"));
        QCOMPARE(f.box(row("txtOncelikSayisi", s))->text(), QStringLiteral(" 0"));
    }
    QCOMPARE(f.combo("Buton_No_Combo")->currentText(), QStringLiteral("1. Buton"));
    for (const char *name : {"txtBaslangic", "txtBitis", "txtSuan", "txtPrinter"})
        QCOMPARE(f.box(name)->text(), QStringLiteral("0"));
    QCOMPARE(f.box("Text4")->text(), QStringLiteral("1"));
    QCOMPARE(f.check("Buton_Enable")->text(), QStringLiteral("Buton Kapalı"));
    QVERIFY(!f.button("Baslangic_Arti")->isEnabled());
    QCOMPARE(f.combo("Saat_Cipi_Combo")->currentText(), QStringLiteral("DS1307"));
    QVERIFY(f.model.ImagesBuilt);
    QVERIFY(!f.model.FormLoading);
}

void MainMenuStartupTest::startWithFileShowsTerminalOneAndGroupOne()
{
    MainMenuFixture f;
    f.writeSettings(filledModel());
    QCOMPARE(f.start(), StartDecision::Continue);

    QVERIFY(f.dialogs.shown.isEmpty());
    QCOMPARE(f.box("Text4")->text(), QStringLiteral(" 3"));
    QCOMPARE(f.combo("Buton_Listesi_Combo_0")->currentText(), QStringLiteral("3. Buton"));
    QCOMPARE(f.box("txtOncelikSayisi_0")->text(), QStringLiteral(" 5"));
    QCOMPARE(f.combo("Buton_Listesi_Combo_1")->currentText(), QStringLiteral("16. Buton"));
    QCOMPARE(f.box("txtOncelikSayisi_1")->text(), QStringLiteral("MAX"));
    QCOMPARE(f.box("txtBaslangic")->text(), QStringLiteral("12"));
    QCOMPARE(f.box("txtBitis")->text(), QStringLiteral("400"));
    QCOMPARE(f.box("txtSuan")->text(), QStringLiteral("30"));
    QCOMPARE(f.box("txtPrinter")->text(), QStringLiteral("35"));
    QVERIFY(f.check("Buton_Enable")->isChecked());
    QCOMPARE(f.check("Buton_Enable")->text(), QStringLiteral("Buton Açık"));
    QVERIFY(f.button("Baslangic_Arti")->isEnabled());
    QVERIFY(f.check("Limit_Check")->isChecked());
    QCOMPARE(f.check("Limit_Check")->text(), QStringLiteral("Limit Var"));
    QCOMPARE(f.combo("Bilet_Data_Combo")->currentText(), QStringLiteral("5. Bilet Datası"));
    QCOMPARE(f.combo("Saat_Cipi_Combo")->currentText(), QStringLiteral("PCF8583"));
    QCOMPARE(f.model.ClockChip, int16_t(1));
}

void MainMenuStartupTest::loadSelectionsChangeNothingButTheClockChip()
{
    MainMenuFixture f;
    const Tanimlamalar file = filledModel();
    f.writeSettings(file);
    f.model.PriorityGroup[5][5] = 7;  // cleared by the load before the file is read
    f.start();

    QCOMPARE(f.model.PriorityGroup, file.PriorityGroup);
    QCOMPARE(f.model.PriorityCount, file.PriorityCount);
    QCOMPARE(f.model.GroupStart, file.GroupStart);
    QCOMPARE(f.model.GroupEnable, file.GroupEnable);
    QCOMPARE(f.model.GroupEnableCopy, file.GroupEnableCopy);
    QCOMPARE(f.model.GroupLayout, file.GroupLayout);
    QCOMPARE(f.model.GroupLimit, file.GroupLimit);
    QCOMPARE(f.model.CurrentTransferMode, TransferMode::None);
}

void MainMenuStartupTest::fileCutShortEndsBeforeTheWindowShows()
{
    MainMenuFixture f;
    QByteArray bytes = settingsFileBytes(Tanimlamalar{});
    bytes.chop(2);  // the last line's end: 4598 lines
    f.folder.writeFile(bytes.left(bytes.lastIndexOf("\r\n") + 2));
    const QByteArray before = f.folder.fileBytes();

    QCOMPARE(f.start(), StartDecision::EndApplication);
    QCOMPARE(f.dialogs.shown, QStringList{kFileCut});
    QVERIFY(!f.window->isVisible());
    QVERIFY(!f.model.ImagesBuilt);
    QCOMPARE(f.folder.fileBytes(), before);
}

void MainMenuStartupTest::focusStartsInText4()
{
    MainMenuFixture f;
    f.start();
    f.window->show();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    QCOMPARE(QApplication::focusWidget(), f.box("Text4"));
}

// The COM port frame, then the group panel, the free controls, the terminal panel and the
// status bar.
void MainMenuStartupTest::tabOrderFollowsTheFrames()
{
    MainMenuFixture f;
    f.start();
    QStringList expected{"Text4", "Command2", "Port_Sec", "Buton_No_Combo", "Buton_Enable", "Limit_Check"};
    for (const char *prefix : {"Baslangic_", "Bitis_", "Suan_", "Printer_"}) {
        const QString p = QLatin1String(prefix);
        const QString box = p == "Suan_" ? "txtSuan" : p == "Printer_" ? "txtPrinter" : "txt" + p.chopped(1);
        expected << p + "Eksi_50" << p + "Eksi" << box << p + "Arti" << p + "Arti_50";
    }
    expected << "Reset"
             << "Bilet_Data_Combo"
             << "Buton_Gonder"
             << "Ticket_Editor"
             << "cmdKaydet"
             << "Saat_Cipi_Combo"
             << "cmdTarihSaat"
             << "Terminal_No_Combo";
    for (int s = 0; s < kPanelSlotCount; ++s) {
        for (const char *name : {"Buton_Listesi_Combo", "Eksi_50", "Eksi", "txtOncelikSayisi", "Arti", "Arti_50"})
            expected << row(name, s);
    }
    expected << "Terminal_Gonder"
             << "cmdKopyala"
             << "cmdDurdur";  // in the status bar, while a transfer runs

    QStringList order;
    QWidget *widget = f.box("Text4");
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != f.box("Text4"));
    QCOMPARE(order, expected);
}

void MainMenuStartupTest::labelsNameTheirControls_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("control");

    QTest::newRow("terminal selector") << "Terminal No:"
                                       << "Terminal_No_Combo";
    QTest::newRow("group selector") << "Buton No:"
                                    << "Buton_No_Combo";
    QTest::newRow("start box") << "Başlangıç Sayısı:"
                               << "txtBaslangic";
    QTest::newRow("end box") << "Bitiş Sayısı:"
                             << "txtBitis";
    QTest::newRow("last called box") << "En Son Çağrılan:"
                                     << "txtSuan";
    QTest::newRow("last issued box") << "En Son Bilet:"
                                     << "txtPrinter";
    QTest::newRow("layout selector") << "Bilet Data Numarası:"
                                     << "Bilet_Data_Combo";
    QTest::newRow("clock chip selector") << "Saat Çipi Seçimi:"
                                         << "Saat_Cipi_Combo";
    QTest::newRow("first priority row") << "1. Öncelikli Buton:"
                                        << "Buton_Listesi_Combo_0";
    QTest::newRow("last priority row") << "16. Öncelikli Buton:"
                                       << "Buton_Listesi_Combo_15";
}

void MainMenuStartupTest::labelsNameTheirControls()
{
    QFETCH(QString, caption);
    QFETCH(QString, control);
    MainMenuFixture f;
    f.start();
    const QList<QLabel *> labels = f.window->findChildren<QLabel *>();
    const auto label = std::find_if(labels.cbegin(), labels.cend(), [&](QLabel *l) { return l->text() == caption; });
    QVERIFY(label != labels.cend());
    QCOMPARE((*label)->buddy(), f.find<QWidget>(control));
}

void MainMenuStartupTest::repeatedCaptionsHaveRowNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");

    QTest::newRow("group -50") << "Baslangic_Eksi_50"
                               << "Başlangıç Sayısı: -50";
    QTest::newRow("group +50") << "Printer_Arti_50"
                               << "En Son Bilet: +50";
    QTest::newRow("group -1") << "Bitis_Eksi"
                              << "Bitiş Sayısı: -1";
    QTest::newRow("group +1") << "Suan_Arti"
                              << "En Son Çağrılan: +1";
    QTest::newRow("priority -1") << "Eksi_2"
                                 << "3. Öncelikli Buton: -1";
    QTest::newRow("priority +50") << "Arti_50_15"
                                  << "16. Öncelikli Buton: +50";
    QTest::newRow("priority count") << "txtOncelikSayisi_2"
                                    << "3. Öncelikli Buton: Çağırma Sayısı";
    QTest::newRow("COM port box") << "Text4"
                                  << "Haberleşme Com port";
}

void MainMenuStartupTest::repeatedCaptionsHaveRowNames()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    MainMenuFixture f;
    f.start();
    QCOMPARE(f.find<QWidget>(control)->accessibleName(), name);
}

void MainMenuStartupTest::gatedHandlersIgnoreTheOperatorWhileLoading_data()
{
    QTest::addColumn<bool>("formLoading");
    QTest::addColumn<QString>("control");

    for (bool form : {true, false}) {
        const char *flag = form ? "FormLoading" : "PanelLoading";
        for (const char *control : {"Terminal_No_Combo", "Buton_No_Combo", "Buton_Listesi_Combo_0", "Bilet_Data_Combo",
                                    "Buton_Enable", "Limit_Check"}) {
            QTest::addRow("%s: %s", flag, control) << form << QString::fromLatin1(control);
        }
    }
}

// With a flag set, an operator's choice neither loads the panels nor reaches the model.
void MainMenuStartupTest::gatedHandlersIgnoreTheOperatorWhileLoading()
{
    QFETCH(bool, formLoading);
    QFETCH(QString, control);
    MainMenuFixture f;
    Tanimlamalar file = filledModel();
    file.PriorityGroup[1][0] = 5;
    file.GroupStart[1] = 700;
    f.writeSettings(file);
    f.start();
    const Tanimlamalar before = f.model;
    (formLoading ? f.model.FormLoading : f.model.PanelLoading) = true;
    f.model.ImagesBuilt = false;

    if (auto *box = f.window->findChild<QCheckBox *>(control))
        tick(box);
    else
        choose(f.combo(control), 1);

    QCOMPARE(f.model.PriorityGroup, before.PriorityGroup);
    QCOMPARE(f.model.GroupLayout, before.GroupLayout);
    QCOMPARE(f.model.GroupEnable, before.GroupEnable);
    QCOMPARE(f.model.GroupLimit, before.GroupLimit);
    QVERIFY(!f.model.ImagesBuilt);
    QCOMPARE(f.box("txtBaslangic")->text(), QStringLiteral("12"));
    QCOMPARE(f.combo("Buton_Listesi_Combo_0")->currentText(),
             control == "Buton_Listesi_Combo_0" ? QStringLiteral("1. Buton") : QStringLiteral("3. Buton"));
    QCOMPARE(f.check("Limit_Check")->text(), QStringLiteral("Limit Var"));
    QCOMPARE(f.check("Buton_Enable")->text(), QStringLiteral("Buton Açık"));
}

void MainMenuStartupTest::steppersAndClockChipAreNotGated()
{
    MainMenuFixture f;
    f.writeSettings(filledModel());
    f.start();
    f.model.FormLoading = true;
    f.model.PanelLoading = true;

    click(f.button("Arti_0"));
    click(f.button("Baslangic_Arti"));
    choose(f.combo("Saat_Cipi_Combo"), 0);

    QCOMPARE(f.model.PriorityCount[0][0], int16_t(6));
    QCOMPARE(f.model.GroupStart[0], int16_t(13));
    QCOMPARE(f.model.ClockChip, int16_t(0));
}

// A hand-edited file: the window opens and shows what it can; the steppers work as usual.
void MainMenuStartupTest::valuesOutOfRangeOpenTheWindow()
{
    MainMenuFixture f;
    Tanimlamalar file;
    file.GroupEnable[0] = 7;
    file.GroupStart[0] = 1200;
    file.GroupEnd[0] = -3;
    file.PriorityCount[0][0] = 300;
    file.PriorityCount[0][1] = -3;
    f.writeSettings(file);
    QCOMPARE(f.start(), StartDecision::Continue);

    QCOMPARE(f.box("txtBaslangic")->text(), QStringLiteral("1200"));
    QCOMPARE(f.box("txtBitis")->text(), QStringLiteral("-3"));
    QCOMPARE(f.box("txtOncelikSayisi_0")->text(), QStringLiteral(" 300"));
    QCOMPARE(f.box("txtOncelikSayisi_1")->text(), QStringLiteral("-3"));
    // Enable 7 leaves the check box as it stood before the load, unticked; the load's
    // capture then stores 0 for the group.
    QVERIFY(!f.check("Buton_Enable")->isChecked());
    QCOMPARE(f.model.GroupEnable[0], int16_t(0));

    click(f.button("Eksi_0"));
    QCOMPARE(f.dialogs.shown.last(), QStringLiteral("Öncelik Sayısı 255'den Büyük Olamaz"));
    QCOMPARE(f.box("txtOncelikSayisi_0")->text(), QStringLiteral("255"));
    QCOMPARE(f.model.PriorityCount[0][0], int16_t(255));
    choose(f.combo("Terminal_No_Combo"), 1);
    choose(f.combo("Terminal_No_Combo"), 0);
    QCOMPARE(f.box("txtOncelikSayisi_0")->text(), QStringLiteral("MAX"));
}

// A layout or priority group no entry can show leaves its selector showing "Seçiniz";
// the image that would carry it is not rebuilt, and the send names the value.
void MainMenuStartupTest::selectorsWithoutSelectionRefuseTheirImage()
{
    MainMenuFixture f;
    Tanimlamalar file;
    file.GroupLayout[0] = 20;
    file.PriorityGroup[0][4] = 40;
    f.writeSettings(file);
    QCOMPARE(f.start(), StartDecision::Continue);

    QCOMPARE(f.combo("Bilet_Data_Combo")->currentIndex(), -1);
    QCOMPARE(f.combo("Buton_Listesi_Combo_4")->currentIndex(), -1);
    QVERIFY(f.model.ButtonImageRefusal);
    QCOMPARE(f.model.ButtonImageRefusal->value, QStringLiteral("20"));
    QVERIFY(f.model.TerminalImageRefusal);
    QCOMPARE(f.model.TerminalImageRefusal->value, QStringLiteral("40"));

    choose(f.combo("Buton_Listesi_Combo_4"), 2);
    QVERIFY(!f.model.TerminalImageRefusal);
    QCOMPARE(f.model.PriorityGroup[0][4], int16_t(2));
}

QTEST_MAIN(MainMenuStartupTest)
#include "tst_main_menu_startup.moc"
