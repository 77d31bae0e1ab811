#include "port_names.h"

QString comPortDeviceName(int portNumber)
{
    return QStringLiteral("COM%1").arg(portNumber);
}
