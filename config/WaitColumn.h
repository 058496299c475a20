#pragma once
// The manager list's Wait column: the wait, and "+ idle" for an item that
// then waits for an idle computer ("10 + idle", or "idle" without a wait).
// The two texts turn into each other exactly.
#include <string>
#include <vector>

std::string WaitColumnText(const std::string& wait, bool idle);
// The same for a line's fields, then "+ net" for an item that waits for the
// network, and a mark for each other launch option: "10 + idle + net, min,
// mains, days".
std::string WaitColumnText(const std::string& wait, const std::vector<std::string>& extras);
std::string WaitOfColumn(const std::string& text, bool idle);
