#include "panels/update_data.h"

#include "images/image_builder.h"
#include "panels/capture.h"

void Update_data(Tanimlamalar &model, const PanelState &panels)
{
    const auto terminalPanelFault = captureTerminalPanel(panels, model);
    const auto groupPanelFault = captureGroupPanel(panels, model);
    model.TerminalImageRefusal =
        terminalPanelFault ? terminalPanelFault : buildTerminalImage(model, model.TerminalImage);
    model.ButtonImageRefusal = groupPanelFault ? groupPanelFault : buildButtonImage(model, model.ButtonImage);
    model.ImagesBuilt = true;
}
