#include "ui/panels/main_menu_rules.h"

#include "ui/panels/panel_texts.h"

QString enableCaption(bool ticked)
{
    return ticked ? texts::kButtonOpen : texts::kButtonClosed;
}

QString limitCaption(bool ticked)
{
    return ticked ? texts::kLimitOn : texts::kLimitOff;
}

const QStringList &enableRowNames()
{
    static const QStringList names{
        QStringLiteral("Baslangic_Eksi_50"), QStringLiteral("Baslangic_Eksi"), QStringLiteral("Baslangic_Arti"),
        QStringLiteral("Baslangic_Arti_50"), QStringLiteral("Bitis_Eksi_50"),  QStringLiteral("Bitis_Eksi"),
        QStringLiteral("Bitis_Arti"),        QStringLiteral("Bitis_Arti_50"),  QStringLiteral("Suan_Eksi_50"),
        QStringLiteral("Suan_Eksi"),         QStringLiteral("Suan_Arti"),      QStringLiteral("Suan_Arti_50"),
        QStringLiteral("Printer_Eksi_50"),   QStringLiteral("Printer_Eksi"),   QStringLiteral("Printer_Arti"),
        QStringLiteral("Printer_Arti_50"),   QStringLiteral("Reset"),          QStringLiteral("Bilet_Data_Combo"),
        QStringLiteral("Limit_Check"),
    };
    return names;
}

void Saat_Cipi_Combo_Click(Tanimlamalar &model, int selectedIndex)
{
    if (selectedIndex == 0 || selectedIndex == 1)
        model.ClockChip = selectedIndex == 0 ? kClockChipDs1307 : kClockChipPcf8583;
}
