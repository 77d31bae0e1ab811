#pragma once

#include <QString>

// How a refused value is named to the operator: the selector entry and the row label it stands in.
enum class GroupField { Start, End, LastCalled, LastIssued, Enable, EnableCopy, Layout, Limit };

namespace refusalNames {
QString terminalSelector();
QString groupSelector();
QString slotGroup(int terminal, int slot);
QString slotCount(int terminal, int slot);
QString groupField(int group, GroupField field);
}  // namespace refusalNames
