#pragma once

#include "config/tanimlamalar.h"

#include <QList>

#include <optional>

// What a panel asks of the window it stands on: the two routines that span both panels.
class PanelHost {
public:
    // Fills both panels from the model for the selected terminal and group.
    virtual void Terminal_Yukle() = 0;
    // Captures both panels into the model and rebuilds both images.
    virtual void Update_data() = 0;
    // The terminals that are to get terminal t's priority list; no value when the operator
    // cancels. The window asks, since the question is a dialog of the workbench.
    virtual std::optional<QList<int>> chooseListTargets(int t) = 0;

protected:
    ~PanelHost() = default;
};

// The gate of the panels' selector and check box handlers: while the window loads
// (FormLoading) or fills a panel (PanelLoading), a click is code's, not an edit.
inline bool panelsLoading(const Tanimlamalar &model)
{
    return model.FormLoading || model.PanelLoading;
}
