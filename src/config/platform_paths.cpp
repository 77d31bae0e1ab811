#include "platform_paths.h"

// Installers know the file by its Windows path, whichever platform the program runs on.
const QString kShownSettingsPath = QStringLiteral("C:\\ZEMRA_Bilvex_Polynet_Ver_3_04.txt");
