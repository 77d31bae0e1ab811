#pragma once

#include "main_menu_fixture.h"
#include "unit_sim_process.h"

#include <QStringList>

#include <memory>

// The real main window over a private settings folder, its COM1 the simulated unit.
class WindowWithUnit {
public:
    // Writes the settings file, starts the unit with these faults (options of
    // bilvex-unit-sim) and loads the window; false when the unit or the port did not come up.
    bool start(const Tanimlamalar &file, const QStringList &faults = {});

    MainMenuFixture fixture;
    std::unique_ptr<UnitSimProcess> unit;
};
