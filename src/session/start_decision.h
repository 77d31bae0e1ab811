#pragma once

// Whether the start-up goes on or the application ends before its window shows.
enum class StartDecision { Continue, EndApplication };
