#include "cli/trace_target.h"

#include "cli/send_texts.h"

#include <QFileInfo>

QString traceRefusal(const QString &path, const QStringList &inputs)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {};
    // A link that leads nowhere counts as what it may come to lead to: refused.
    if (!info.isFile())
        return sendTexts::traceNotAFile(path);
    bool unknown = false;
    for (const QString &input : inputs) {
        const Identity identity = compareIdentity(path, input);
        if (identity == Identity::Same)
            return sendTexts::traceIsAnInput(path);
        unknown = unknown || identity == Identity::Unknown;
    }
    if (unknown)
        return sendTexts::traceIdentityUnknown(path);
    return {};
}
