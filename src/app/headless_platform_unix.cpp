#include "app/headless_platform.h"

#include <QByteArray>
#include <QtGlobal>

// Without a display server Qt's default platform cannot start; offscreen needs none and lays
// out text with the same fonts. A platform the user chose is kept (Qt reads an empty
// QT_QPA_PLATFORM as unset, and so does this).
void chooseHeadlessPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
}
