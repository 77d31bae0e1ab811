#include "link/link_messages.h"

#include "config/number_conversions.h"
#include "ports/port_messages.h"

QString echoMismatchMessage(uint8_t sent, uint8_t received)
{
    return QStringLiteral("Yükleme Hatası! Gönderilen:'") + FormatSigned(sent) + QStringLiteral("' Yüklenen:'") +
           FormatSigned(received) + QStringLiteral("'");
}

QString portInUseMessage(const QString &portText)
{
    return portText + QStringLiteral(" Numaralı Com Port açık. Tekrar deneyiniz.");
}

QString portNotOpenMessage(const QString &portText, const QString &reason)
{
    QString text = portText + QStringLiteral(" Numaralı Com Port açık değil. Gönderim yapılamadı.");
    if (!reason.isEmpty())
        text += QLatin1Char('\n') + reason;
    return text;
}

QString portLostMessage(const QString &portText)
{
    return portText + QStringLiteral(" Numaralı Com Port bağlantısı kesildi.");
}

QString slowLineMessage(double msPerByte)
{
    return QStringLiteral("Hat yavaş: bayt başına %1 ms (9600 baud'da 4-5 ms olmalı). Büyük olasılıkla USB seri "
                          "adaptörün gecikme süresi (latency timer) yüksek. %2")
        .arg(msPerByte, 0, 'f', 1)
        .arg(latencyTimerFix());
}

QString lowLatencyRefusedMessage()
{
    return QStringLiteral("Seri port sürücüsü düşük gecikme kipini açmadı; yankılar adaptörün gecikme süresi "
                          "kadar bekleyebilir. %1")
        .arg(latencyTimerFix());
}

QString portMissingReason()
{
    return QStringLiteral("Port bulunamadı.");
}

QString portLockLeftBehindReason(const QString &lockFile)
{
    return QStringLiteral("Başka bir kullanıcının kapanmış bir programından kalan kilit dosyası portu tutuyor:\n"
                          "%1\n"
                          "Bu kullanıcı onu silemez. Dosyayı silip tekrar deneyiniz:\n"
                          "  sudo rm %1")
        .arg(lockFile);
}

QString portPermissionReason()
{
    return QStringLiteral("Porta erişim izni yok.");
}
