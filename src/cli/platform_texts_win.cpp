#include "cli/send_texts.h"

namespace sendTexts {

QString portExample()
{
    return QStringLiteral("COM3");
}

QString listedPortFields()
{
    return QStringLiteral("port, açıklama, üretici, seri numarası");
}

// The program this tool replaces saved, unless run as administrator, into Windows' copy
// of the file in the user's VirtualStore; this one reads that copy first, as Windows did.
QString settingsPlacesNote()
{
    return QStringLiteral("  (C:\\ZEMRA_Bilvex_Polynet_Ver_3_04.txt; yönetici olmayan kullanıcının\n"
                          "  %LOCALAPPDATA%\\VirtualStore\\ZEMRA_Bilvex_Polynet_Ver_3_04.txt kopyası\n"
                          "  varsa o okunur ve yazılır; C:\\ yazılamıyorsa kaydetme o kopyaya yapılır)\n");
}

}  // namespace sendTexts
