#pragma once

#include "main_menu_controls.h"

// The parts of the main window, each built into the controls it owns.
void buildTerminalPanel(QWidget *window, MainMenuControls &controls);
void buildGroupPanel(QWidget *window, MainMenuControls &controls);
void buildFreeControls(QWidget *window, MainMenuControls &controls);
