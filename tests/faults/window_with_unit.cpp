#include "window_with_unit.h"

#include <QFile>

bool WindowWithUnit::start(const Tanimlamalar &file, const QStringList &faults)
{
    fixture.writeSettings(file);
    const QString com1 = fixture.folder.folder() + QStringLiteral("/ports/com1");
    QFile::remove(com1);
    unit = std::make_unique<UnitSimProcess>(QStringLiteral(BILVEX_UNIT_SIM), com1, faults);
    return unit->started() && fixture.start() == StartDecision::Continue && fixture.port.isOpen();
}
