#include "ports/port_messages.h"

#include "ports/latency_request.h"

QString portAccessText(PortAccess access)
{
    switch (access) {
    case PortAccess::Available:
        return QStringLiteral("kullanılabilir");
    case PortAccess::InUse:
        return QStringLiteral("kullanımda");
    case PortAccess::NoPermission:
        return QStringLiteral("erişim izni yok — kullanıcıyı dialout grubuna ekleyin");
    case PortAccess::Failed:
        break;
    }
    return QStringLiteral("açılamıyor");
}

QString pickerNeedsPortNumberMessage()
{
    return QStringLiteral("Önce Haberleşme Com port kutusuna 1 ile 255 arasında bir port numarası yazınız.");
}

QString pickedPortGoneMessage(const QString &device)
{
    return device + QStringLiteral(" artık bulunamıyor. Adaptörü takıp listeyi yenileyiniz.");
}

QString pickedPortNotNumberedMessage(const QString &device)
{
    return device + QStringLiteral(" seçilemez: Haberleşme Com port kutusu yalnızca COM1 ile COM255 arasındaki "
                                   "portları açar.");
}

QString portsFolderNotFolderMessage(const QString &folder)
{
    return folder + QStringLiteral(" bir klasör değil. Port bağlantısı yazılamadı.");
}

QString portLinkNotLinkMessage(const QString &link)
{
    return link + QStringLiteral(" bir bağlantı değil; değiştirilmedi.");
}

QString portLinkFailedMessage(const QString &link, const QString &reason)
{
    return link + QStringLiteral(" yazılamadı: ") + reason;
}

QString staleNewLinkRemovedMessage(const QString &link)
{
    return link + QStringLiteral(" (yarım kalmış eski bir bağlantı) silindi.");
}

QString noPortsMessage()
{
    return QStringLiteral("Bu bilgisayarda seri port bulunamadı. USB seri adaptörünü takıp Yenile'ye basınız.");
}

// The driver reads the timer when the adapter is plugged in.
QString latencyFixedMessage()
{
    return QStringLiteral("Adaptörün gecikme süresi %1 ms yapıldı. Adaptörü çıkarıp yeniden takın.")
        .arg(kFixedLatencyMs);
}

QString latencyNotFixedMessage()
{
    return QStringLiteral("Gecikme süresi değiştirilemedi.\n") + latencyTimerFix();
}
