#include "ports/port_messages.h"

QString latencyTimerFix()
{
    return QStringLiteral("Düzeltmek için: Aygıt Yöneticisi > Bağlantı noktaları (COM ve LPT) > port > Özellikler > "
                          "Bağlantı Noktası Ayarları > Gelişmiş > Gecikme Süreölçeri (msn): 1.");
}
