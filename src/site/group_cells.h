#pragma once

#include "config/tanimlamalar.h"

#include <QString>

#include <optional>

// A group's cell typed or pasted in the overview: the value goes into the model when its
// column takes it, with the ranges the CSV import and the panels use. Otherwise the model is
// left as it was and the refusal says why. "Durum" and "Limit" take their two words too.
std::optional<QString> writeGroupCell(Tanimlamalar &model, int group, int column, const QString &text);
