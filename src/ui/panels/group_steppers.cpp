#include "ui/panels/group_steppers.h"

#include "config/number_conversions.h"
#include "config/tanimlamalar.h"

namespace {

struct BoxMessages {
    QString aboveHighest;
    QString belowZero;
};

BoxMessages messagesFor(NumberBox box)
{
    switch (box) {
    case NumberBox::Baslangic:
        return {QStringLiteral("Başlangıç Sayısı 999'dan Büyük Olamaz"),
                QStringLiteral("Başlangıç Sayısı Sıfırdan Küçük Olamaz")};
    case NumberBox::Bitis:
        return {QStringLiteral("Bitiş Sayısı 999'dan Büyük Olamaz"),
                QStringLiteral("Bitiş Sayısı Sıfırdan Küçük Olamaz")};
    case NumberBox::Suan:
        return {QStringLiteral("En Son Çağırılan Numara 999'dan Büyük Olamaz"),
                QStringLiteral("En Son Çağırılan Numara Sıfırdan Küçük Olamaz")};
    case NumberBox::Printer:
        break;
    }
    return {QStringLiteral("En Son Verilen Bilet Numarası 999'dan Büyük Olamaz"),
            QStringLiteral("En Son Verilen Bilet Numarası Sıfırdan Küçük Olamaz")};
}

}  // namespace

StepResult stepGroupNumber(NumberBox box, const QString &text, int step)
{
    const BoxMessages messages = messagesFor(box);
    const double x = ParseNumber(text) + step;
    if (step < 0 && x < 0) {
        if (step == kStepDownFifty)
            return {messages.belowZero, QStringLiteral("0")};
        return {messages.belowZero, std::nullopt};
    }
    if (x > kHighestTicketNumber)
        return {messages.aboveHighest, FormatPlain(kHighestTicketNumber)};
    return {std::nullopt, FormatPlain(x)};
}
