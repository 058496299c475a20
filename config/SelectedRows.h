#pragma once
// Working through the selected rows of a list from the top.
#include "ui/Controls.h"

// Hands each selected row to step, top row first, until step returns false.
// A step that returns true has taken its row out of the list, so the row
// that slid into its place is looked at next.
// A template, not a std::function: each of those costs the program a
// handler and a manager of its own.
template <class Step>
void ForEachSelectedRow(const IListView& list, Step step) {
    for (int row = list.NextSelected(-1); row >= 0; row = list.NextSelected(row - 1))
        if (!step(row)) return;
}
