#pragma once
// What a key does to a list before the list itself sees it.
#include "ui/Controls.h"

// True when the key is done with. With no row selected, Enter does nothing
// (it must not press the dialog's default button), and Down or Home selects
// and focuses the first row, Up or End the last: a list with no focused row
// moves nowhere by itself, and shows no focus cue.
bool TakeListKey(IListView& list, int virtualKey);
