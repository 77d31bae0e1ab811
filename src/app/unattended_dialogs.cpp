#include "app/unattended_dialogs.h"

#include <QTextStream>

namespace {

void report(const QString &text)
{
    QTextStream(stderr) << text << Qt::endl;
}

}  // namespace

void UnattendedDialogs::inform(const QString &text)
{
    report(text);
}

bool UnattendedDialogs::askYesNo(const QString &title, const QString &text)
{
    report(title + QStringLiteral(": ") + text);
    return false;
}

// Nobody to ask: nothing is dropped and nothing written.
bool UnattendedDialogs::askOkCancel(const QString &text)
{
    report(text);
    return false;
}

SaveChoice UnattendedDialogs::askToSave(const QString &text)
{
    report(text);
    return SaveChoice::Cancel;
}

QString UnattendedDialogs::chooseFileToOpen()
{
    return {};
}

QString UnattendedDialogs::chooseSiteFileToOpen(SiteFile)
{
    return {};
}

QString UnattendedDialogs::chooseSiteFileToSave(SiteFile, const QString &)
{
    return {};
}

std::optional<PortDescription> UnattendedDialogs::choosePort(const std::function<QList<PortRow>()> &)
{
    return std::nullopt;
}
