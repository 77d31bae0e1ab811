#pragma once

#include "config/tanimlamalar.h"
#include "panels/panel_state.h"

#include <optional>

// Each capture copies one panel into the model entry it shows. A missing selection or a
// text beyond 16 bits leaves its own entry as it was; the refusal names the first such value.
std::optional<BuildRefusal> captureTerminalPanel(const PanelState &panels, Tanimlamalar &model);
std::optional<BuildRefusal> captureGroupPanel(const PanelState &panels, Tanimlamalar &model);
