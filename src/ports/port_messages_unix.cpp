#include "ports/port_messages.h"

QString latencyTimerFix()
{
    return QStringLiteral("Düzeltmek için: echo 1 | sudo tee /sys/bus/usb-serial/devices/ttyUSB0/latency_timer "
                          "(ttyUSB0 yerine adaptörün adı).");
}
