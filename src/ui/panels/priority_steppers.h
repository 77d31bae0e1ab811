#pragma once

#include "ui/panels/step_result.h"

// A priority count moves within 0..254 by the steppers; the step past 254 turns it into
// "MAX" (count 255), and a step down from "MAX" gives 254.
StepResult stepPriorityCount(const QString &text, int step);
