#pragma once

// What the menus ask of the window they stand on before they act on the site.
class MenuHost {
public:
    // Takes the number still typed in the focused box, as Enter or leaving the box would.
    virtual void takeTyped() = 0;
    // Asks before unsaved values would be dropped; false when the operator keeps them.
    virtual bool mayDropDocument() = 0;

protected:
    ~MenuHost() = default;
};
