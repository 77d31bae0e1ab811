#include "port_choice.h"

#include "port_names.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

}  // namespace

MappingPlan planMapping(const PortDescription &port, const QString &portText, const QString &portsFolder)
{
    const std::optional<int> number = pickerPortNumber(portText);
    if (!number)
        return {std::nullopt, pickerNeedsPortNumberMessage()};
    if (!QFileInfo::exists(port.device))
        return {std::nullopt, pickedPortGoneMessage(port.device)};
    const QFileInfo folder(portsFolder);
    if (folder.exists() && !folder.isDir())
        return {std::nullopt, portsFolderNotFolderMessage(portsFolder)};
    const QString link = portsFolder + QStringLiteral("/com%1").arg(*number);
    const QFileInfo existing(link);
    if ((existing.exists() || existing.isSymLink()) && !existing.isSymLink())
        return {std::nullopt, portLinkNotLinkMessage(link)};
    const QString target = port.byIdName.isEmpty() ? port.device : port.byIdName;
    return {PortMapping{link, target, portText}, {}};
}

// The new link is made beside the old one and renamed over it, so COM n always names
// either the old port or the new one.
QString applyMapping(const PortMapping &mapping)
{
    const QString folder = QFileInfo(mapping.linkPath).absolutePath();
    if (!QDir().mkpath(folder))
        return portLinkFailedMessage(mapping.linkPath, QStringLiteral("klasör oluşturulamadı"));
    const QByteArray link = QFile::encodeName(mapping.linkPath);
    const QByteArray fresh = link + ".yeni";
    ::unlink(fresh.constData());
    if (::symlink(QFile::encodeName(mapping.target).constData(), fresh.constData()) != 0)
        return portLinkFailedMessage(mapping.linkPath, systemReason());
    if (std::rename(fresh.constData(), link.constData()) != 0) {
        const QString reason = systemReason();
        ::unlink(fresh.constData());
        return portLinkFailedMessage(mapping.linkPath, reason);
    }
    return {};
}
