#include "cli/stderr_dialogs.h"

StderrDialogs::StderrDialogs(ErrorOutput &out) : out_(out)
{
}

void StderrDialogs::inform(const QString &text)
{
    out_.line(text);
}

// Nothing here drops a site: there is no question to ask.
bool StderrDialogs::askOkCancel(const QString &)
{
    return false;
}

SaveChoice StderrDialogs::askToSave(const QString &)
{
    return SaveChoice::Cancel;
}

bool StderrDialogs::askYesNo(const QString &, const QString &)
{
    return true;
}

QString StderrDialogs::chooseFileToOpen()
{
    return {};
}

QString StderrDialogs::chooseSiteFileToOpen(SiteFile)
{
    return {};
}

QString StderrDialogs::chooseSiteFileToSave(SiteFile, const QString &)
{
    return {};
}

std::optional<PortDescription> StderrDialogs::choosePort(const std::function<QList<PortRow>()> &)
{
    return std::nullopt;
}
