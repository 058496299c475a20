#pragma once
// The manager list's Wait column: the wait, and "+ idle" for an item that
// then waits for an idle computer ("10 + idle", or "idle" without a wait).
// The two texts turn into each other exactly.
#include <string>

std::string WaitColumnText(const std::string& wait, bool idle);
std::string WaitOfColumn(const std::string& text, bool idle);
