#include "cli/send_texts.h"

namespace sendTexts {

QString portExample()
{
    return QStringLiteral("/dev/ttyUSB0");
}

QString listedPortFields()
{
    return QStringLiteral("aygıt, açıklama, üretici, seri numarası, by-id adı");
}

QString settingsPlacesNote()
{
    return {};
}

}  // namespace sendTexts
