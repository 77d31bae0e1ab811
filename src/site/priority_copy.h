#pragma once

#include "config/tanimlamalar.h"

#include <QList>

// Gives each target terminal the source terminal's slots 0..15 (group and count), the ones
// the panel shows; its slots 16..31 stay as they are. The source itself and indexes outside
// 0..63 are passed over.
void copyPriorityList(Tanimlamalar &model, int source, const QList<int> &targets);
