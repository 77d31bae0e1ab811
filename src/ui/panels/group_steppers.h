#pragma once

#include "ui/panels/step_result.h"

// The four number boxes of the group panel, top to bottom.
enum class NumberBox { Baslangic, Bitis, Suan, Printer };
constexpr int kNumberBoxCount = 4;

// The steps of the four stepper buttons beside each box.
constexpr int kStepDownFifty = -50;
constexpr int kStepDownOne = -1;
constexpr int kStepUpOne = 1;
constexpr int kStepUpFifty = 50;

// Ticket numbers stay within 0..999: a step past a bound is reported and clamped, except
// that "-" only reports and leaves the box, and the up steps never check against 0.
StepResult stepGroupNumber(NumberBox box, const QString &text, int step);
