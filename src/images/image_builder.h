#pragma once

#include "config/tanimlamalar.h"

#include <optional>

// Record of the button and terminal images: start marker, data byte, address high, address low, end marker.
constexpr uint8_t kRecordStart = 0xAA;
constexpr uint8_t kRecordEnd = 0xA0;
constexpr int kRecordSize = 5;

// Each build writes the whole image from the model, or refuses and leaves the image untouched.
std::optional<BuildRefusal> buildButtonImage(const Tanimlamalar &model, std::array<uint8_t, kButtonImageSize> &image);
std::optional<BuildRefusal> buildTerminalImage(const Tanimlamalar &model,
                                               std::array<uint8_t, kTerminalImageSize> &image);
