#include "unit_responder.h"

UnitAnswer UnitResponder::answer(uint8_t byte, int index) const
{
    if (faults_.hangUpAfter && index >= *faults_.hangUpAfter)
        return {{}, true, {}};
    if (index < 0)
        return {QByteArray(1, char(kStartAnswer)), false,
                faults_.splitStartAnswer ? QByteArray(1, char(kStartAnswer)) : QByteArray()};
    if (faults_.silentAfter && index >= *faults_.silentAfter)
        return {};
    const uint8_t echo = faults_.wrongEchoAt == index ? uint8_t(byte ^ 0xFF) : byte;
    const int copies = faults_.doubleAt == index ? 2 : 1;
    return {QByteArray(copies, char(echo)), false, faults_.strayAt == index ? QByteArray(1, '\0') : QByteArray()};
}
