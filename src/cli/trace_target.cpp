#include "trace_target.h"

#include "send_texts.h"

#include <QFileInfo>

#include <algorithm>

QString traceRefusal(const QString &path, const QStringList &inputs)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {};
    // A link that leads nowhere counts as what it may come to lead to: refused.
    if (!info.isFile())
        return sendTexts::traceNotAFile(path);
    if (std::any_of(inputs.begin(), inputs.end(), [&](const QString &input) { return sameFile(path, input); }))
        return sendTexts::traceIsAnInput(path);
    return {};
}
