// The window's decisions, without a window: stepper bounds and messages of both panels,
// what the operator may type, and the clock chip selection.
#include "ui/panels/group_steppers.h"
#include "ui/panels/main_menu_rules.h"
#include "ui/panels/number_validators.h"
#include "ui/panels/priority_steppers.h"

#include <QtTest>

namespace {

const QString kNoMessage;
const QString kUnchanged = QStringLiteral("<unchanged>");

const QString kStartAbove = QStringLiteral("Başlangıç Sayısı 999'dan Büyük Olamaz");
const QString kStartBelow = QStringLiteral("Başlangıç Sayısı Sıfırdan Küçük Olamaz");
const QString kCountIsMax = QStringLiteral("Öncelik Sayısı MAXIMUM tanımlanmıştır");
const QString kCountAbove254 = QStringLiteral("Öncelik Sayısı 254'den Büyük Olamaz. MAXIMUM olarak tanımlanacak.");
const QString kCountBelowZero = QStringLiteral("Öncelik Sayısı Sıfırdan Küçük Olamaz");
const QString kCountAbove255 = QStringLiteral("Öncelik Sayısı 255'den Büyük Olamaz");

void compareStep(const StepResult &result, const QString &message, const QString &text)
{
    QCOMPARE(result.message.value_or(QString()), message);
    QCOMPARE(result.text.value_or(kUnchanged), text);
}

}  // namespace

class MainMenuRulesTest : public QObject {
    Q_OBJECT

private slots:
    void groupStepper_data();
    void groupStepper();
    void groupMessagesNameTheirBox_data();
    void groupMessagesNameTheirBox();
    void priorityStepper_data();
    void priorityStepper();
    void typedTicketNumber_data();
    void typedTicketNumber();
    void typedCount_data();
    void typedCount();
    void clockChipSelection_data();
    void clockChipSelection();
};

void MainMenuRulesTest::groupStepper_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("result");

    QTest::newRow("up 50 past 999 clamps with message") << "960" << 50 << kStartAbove << "999";
    QTest::newRow("up 1 from 999 stays 999 with message") << "999" << 1 << kStartAbove << "999";
    QTest::newRow("up 1 to 999 is accepted") << "998" << 1 << kNoMessage << "999";
    QTest::newRow("down 1 from 0 leaves the box") << "0" << -1 << kStartBelow << kUnchanged;
    QTest::newRow("down 50 below 0 writes 0") << "30" << -50 << kStartBelow << "0";
    QTest::newRow("down 50 to exactly 0 is accepted") << "50" << -50 << kNoMessage << "0";
    QTest::newRow("down 1 from loaded 1200 clamps to 999") << "1200" << -1 << kStartAbove << "999";
    QTest::newRow("down 50 from loaded 1200 clamps to 999") << "1200" << -50 << kStartAbove << "999";
    QTest::newRow("up 1 from -3 has no lower check") << "-3" << 1 << kNoMessage << "-2";
    QTest::newRow("up 50 from -100 has no lower check") << "-100" << 50 << kNoMessage << "-50";
    QTest::newRow("text without a number steps from 0") << "abc" << 50 << kNoMessage << "50";
    QTest::newRow("loaded blank before number is dropped") << " 5" << 1 << kNoMessage << "6";
}

void MainMenuRulesTest::groupStepper()
{
    QFETCH(QString, text);
    QFETCH(int, step);
    QFETCH(QString, message);
    QFETCH(QString, result);
    compareStep(stepGroupNumber(NumberBox::Baslangic, text, step), message, result);
}

void MainMenuRulesTest::groupMessagesNameTheirBox_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("above");
    QTest::addColumn<QString>("below");

    QTest::newRow("txtBaslangic") << int(NumberBox::Baslangic) << kStartAbove << kStartBelow;
    QTest::newRow("txtBitis") << int(NumberBox::Bitis) << "Bitiş Sayısı 999'dan Büyük Olamaz"
                              << "Bitiş Sayısı Sıfırdan Küçük Olamaz";
    QTest::newRow("txtSuan") << int(NumberBox::Suan) << "En Son Çağırılan Numara 999'dan Büyük Olamaz"
                             << "En Son Çağırılan Numara Sıfırdan Küçük Olamaz";
    QTest::newRow("txtPrinter") << int(NumberBox::Printer) << "En Son Verilen Bilet Numarası 999'dan Büyük Olamaz"
                                << "En Son Verilen Bilet Numarası Sıfırdan Küçük Olamaz";
}

void MainMenuRulesTest::groupMessagesNameTheirBox()
{
    QFETCH(int, box);
    QFETCH(QString, above);
    QFETCH(QString, below);
    compareStep(stepGroupNumber(NumberBox(box), QStringLiteral("999"), 50), above, QStringLiteral("999"));
    compareStep(stepGroupNumber(NumberBox(box), QStringLiteral("0"), -1), below, kUnchanged);
}

void MainMenuRulesTest::priorityStepper_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("result");

    QTest::newRow("MAX and + stays MAX") << "MAX" << 1 << kCountIsMax << kUnchanged;
    QTest::newRow("MAX and +50 stays MAX") << "MAX" << 50 << kCountIsMax << kUnchanged;
    QTest::newRow("254 and + becomes MAX") << "254" << 1 << kCountAbove254 << "MAX";
    QTest::newRow("205 and +50 becomes MAX") << "205" << 50 << kCountAbove254 << "MAX";
    QTest::newRow("204 and +50 gives 254") << "204" << 50 << kNoMessage << "254";
    QTest::newRow("MAX and - gives 254") << "MAX" << -1 << kNoMessage << "254";
    QTest::newRow("MAX and -50 gives 254, not 205") << "MAX" << -50 << kNoMessage << "254";
    QTest::newRow("0 and - leaves the box") << "0" << -1 << kCountBelowZero << kUnchanged;
    QTest::newRow("30 and -50 writes 0") << "30" << -50 << kCountBelowZero << "0";
    QTest::newRow("loaded blank dropped by the step") << " 5" << 1 << kNoMessage << "6";
    QTest::newRow("loaded 300 and - gives 255") << " 300" << -1 << kCountAbove255 << "255";
    QTest::newRow("loaded 300 and -50 is 250") << " 300" << -50 << kNoMessage << "250";
    QTest::newRow("loaded -3 moves up without check") << "-3" << 1 << kNoMessage << "-2";
    QTest::newRow("lower-case max is not MAX") << "max" << 1 << kNoMessage << "1";
}

void MainMenuRulesTest::priorityStepper()
{
    QFETCH(QString, text);
    QFETCH(int, step);
    QFETCH(QString, message);
    QFETCH(QString, result);
    compareStep(stepPriorityCount(text, step), message, result);
}

void MainMenuRulesTest::typedTicketNumber_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("state");

    QTest::newRow("500") << "500" << int(QValidator::Acceptable);
    QTest::newRow("999 is the highest") << "999" << int(QValidator::Acceptable);
    QTest::newRow("1000 is refused") << "1000" << int(QValidator::Invalid);
    QTest::newRow("a minus sign is refused") << "-3" << int(QValidator::Invalid);
    QTest::newRow("letters are refused") << "12a" << int(QValidator::Invalid);
    QTest::newRow("a decimal point is refused") << "1.5" << int(QValidator::Invalid);
    QTest::newRow("empty while typing") << "" << int(QValidator::Intermediate);
    QTest::newRow("blank kept from a load") << " 50" << int(QValidator::Acceptable);
    QTest::newRow("40000 cannot overflow 16 bits") << "40000" << int(QValidator::Invalid);
}

void MainMenuRulesTest::typedTicketNumber()
{
    QFETCH(QString, typed);
    QFETCH(int, state);
    int pos = 0;
    QCOMPARE(int(TicketNumberValidator().validate(typed, pos)), state);
}

void MainMenuRulesTest::typedCount_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("state");

    QTest::newRow("254 is the highest number") << "254" << int(QValidator::Acceptable);
    QTest::newRow("255 must be typed as MAX") << "255" << int(QValidator::Invalid);
    QTest::newRow("MAX") << "MAX" << int(QValidator::Acceptable);
    QTest::newRow("MA while typing MAX") << "MA" << int(QValidator::Intermediate);
    QTest::newRow("lower-case max is refused") << "max" << int(QValidator::Invalid);
    QTest::newRow("MAXX is refused") << "MAXX" << int(QValidator::Invalid);
    QTest::newRow("loaded blank kept") << " 5" << int(QValidator::Acceptable);
}

void MainMenuRulesTest::typedCount()
{
    QFETCH(QString, typed);
    QFETCH(int, state);
    int pos = 0;
    QCOMPARE(int(PriorityCountValidator().validate(typed, pos)), state);
}

void MainMenuRulesTest::clockChipSelection_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("after");
    QTest::newRow("DS1307 chosen") << 1 << 0 << 0;
    QTest::newRow("PCF8583 chosen") << 0 << 1 << 1;
    QTest::newRow("nothing selected keeps PCF8583") << 1 << -1 << 1;
    QTest::newRow("nothing selected keeps an odd stored value") << 5 << -1 << 5;
}

void MainMenuRulesTest::clockChipSelection()
{
    QFETCH(int, before);
    QFETCH(int, selected);
    QFETCH(int, after);
    Tanimlamalar model;
    model.ClockChip = static_cast<int16_t>(before);
    model.FormLoading = true;
    Saat_Cipi_Combo_Click(model, selected);
    QCOMPARE(int(model.ClockChip), after);
}

QTEST_GUILESS_MAIN(MainMenuRulesTest)
#include "tst_main_menu_rules.moc"
