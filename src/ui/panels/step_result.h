#pragma once

#include <QString>

#include <optional>

// What one stepper click does to its box: a message for the operator, shown first,
// and the box's new text; no text leaves the box as it was.
struct StepResult {
    std::optional<QString> message;
    std::optional<QString> text;
};
