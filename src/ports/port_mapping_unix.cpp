#include "ports/port_mapping.h"

#include "ports/port_choice.h"
#include "ports/port_messages.h"
#include "ports/port_names.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
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

namespace {

QString joined(const QString &first, const QString &second)
{
    return first.isEmpty() ? second : first + QLatin1Char('\n') + second;
}

// A comN.yeni left by a run that ended half-way is removed, and the operator told; anything
// else of that name is not ours to remove.
std::optional<MappingOutcome> clearStaleNewLink(const QString &fresh, QString &notice)
{
    const QFileInfo stale(fresh);
    if (stale.isSymLink()) {
        ::unlink(QFile::encodeName(fresh).constData());
        notice = staleNewLinkRemovedMessage(fresh);
    } else if (stale.exists()) {
        return MappingOutcome{false, portLinkNotLinkMessage(fresh)};
    }
    return std::nullopt;
}

}  // namespace

// The new link is made beside the old one and renamed over it, so COM n always names
// either the old port or the new one.
MappingOutcome applyMapping(const PortMapping &mapping)
{
    const QString folder = QFileInfo(mapping.linkPath).absolutePath();
    if (!QDir().mkpath(folder))
        return {false, portLinkFailedMessage(mapping.linkPath, QStringLiteral("klasör oluşturulamadı"))};
    const QString freshPath = mapping.linkPath + QStringLiteral(".yeni");
    QString notice;
    if (const std::optional<MappingOutcome> refused = clearStaleNewLink(freshPath, notice))
        return *refused;
    const QByteArray link = QFile::encodeName(mapping.linkPath);
    const QByteArray fresh = QFile::encodeName(freshPath);
    if (::symlink(QFile::encodeName(mapping.target).constData(), fresh.constData()) != 0)
        return {false, joined(notice, portLinkFailedMessage(mapping.linkPath, systemReason()))};
    // Looked at again just before the rename: a file made there since the plan is kept.
    const QFileInfo existing(mapping.linkPath);
    if (existing.exists() && !existing.isSymLink()) {
        ::unlink(fresh.constData());
        return {false, joined(notice, portLinkNotLinkMessage(mapping.linkPath))};
    }
    if (std::rename(fresh.constData(), link.constData()) != 0) {
        const QString reason = systemReason();
        ::unlink(fresh.constData());
        return {false, joined(notice, portLinkFailedMessage(mapping.linkPath, reason))};
    }
    return {true, notice};
}
