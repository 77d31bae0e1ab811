#include "port_choice.h"

#include "port_names.h"

#include <QFileInfo>

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

namespace {

// COM n may name a port by its device or by a stable name that leads to it.
bool sameDevice(const PortDescription &port, const QString &device)
{
    if (device.isEmpty())
        return false;
    if (device == port.device || device == port.byIdName)
        return true;
    const QString resolved = QFileInfo(device).canonicalFilePath();
    return !resolved.isEmpty() && resolved == QFileInfo(port.device).canonicalFilePath();
}

}  // namespace

CurrentMapping currentMapping(const QString &portText)
{
    const std::optional<int> number = comPortNumber(portText);
    if (!number)
        return {};
    return {QStringLiteral("COM%1").arg(*number), comPortDeviceName(*number)};
}

QList<PortRow> portRows(const QList<PortDescription> &ports, const std::function<PortAccess(const QString &)> &probe,
                        const CurrentMapping &current)
{
    QList<PortRow> rows;
    for (const PortDescription &port : ports)
        rows.append({port, probe(port.device), sameDevice(port, current.device) ? current.name : QString()});
    return rows;
}

std::optional<int> pickerPortNumber(const QString &portText)
{
    const std::optional<int> number = comPortNumber(portText);
    if (!number || *number > kHighestPickerPort)
        return std::nullopt;
    return number;
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
