#include "send_texts.h"

namespace sendTexts {

QString portExample()
{
    return QStringLiteral("COM3");
}

QString listedPortFields()
{
    return QStringLiteral("port, açıklama, üretici, seri numarası");
}

}  // namespace sendTexts
