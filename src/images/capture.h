#pragma once

#include "panel_state.h"
#include "tanimlamalar.h"

#include <optional>

// Each capture copies one panel into the model entry it shows. Nothing is written when
// the panel's selection is missing or one of its texts does not fit 16 bits; the
// refusal then names the value at fault.
std::optional<BuildRefusal> captureTerminalPanel(const PanelState &panels, Tanimlamalar &model);
std::optional<BuildRefusal> captureGroupPanel(const PanelState &panels, Tanimlamalar &model);
