#pragma once

#include "config/tanimlamalar.h"
#include "panels/panel_state.h"

// The images as the window's start-up leaves them, for a front end without panels.

// The panels as a fresh window shows them once start-up has filled them for terminal 1 and
// group 1: a flag the check box cannot show (an enable value of 7) leaves it unticked.
PanelState startupPanelState(const Tanimlamalar &model);

// Captures that panel state and builds both images (Update_data), so that a stored value
// the panels would change or refuse is changed or refused here as well.
void buildStartupImages(Tanimlamalar &model);
