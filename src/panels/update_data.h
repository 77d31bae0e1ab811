#pragma once

#include "config/tanimlamalar.h"
#include "panels/panel_state.h"

// Capture, then rebuild both images; records each image's refusal and sets ImagesBuilt.
void Update_data(Tanimlamalar &model, const PanelState &panels);
