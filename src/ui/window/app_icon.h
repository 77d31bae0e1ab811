#pragma once

#include <QIcon>

// The window's own icon, a numbered queue ticket, drawn at start so no image file is needed.
QIcon appIcon();
