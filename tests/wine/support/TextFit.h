#pragma once
// Whether the texts of a program's dialog fit their controls, measured from
// outside with the font the dialog manager gives a dialog of that face and
// size: Wine's fonts are wider than the ones the layouts were drawn for.
#include <windows.h>

#include <string>
#include <vector>

// One line for each text of the dialog's controls that its rectangle cuts
// off, or that a line break splits inside a word ("http://" at a line's end
// and the rest below): its id, its text and what does not fit, in pixels.
// Statics, check boxes, radio buttons, push buttons, group boxes and
// read-only edits are measured; pictures and owner-drawn buttons are not.
// A window that does not lie whole on the screen's work area is a line too.
std::vector<std::string> TextsThatDoNotFit(HWND dialog, const char* face = "MS Sans Serif", int points = 8);
// The same, as one text for a test's message: empty when everything fits.
std::string TextsThatDoNotFitJoined(HWND dialog, const char* face = "MS Sans Serif", int points = 8);

// What the keyboard cannot reach by Alt and a letter, read as a screen reader
// reads the window: each shown button, check box, radio button and labelled
// edit without a mnemonic, and each letter two of them share, one line each
// (OK and Cancel answer Enter and Escape). Empty when every one has its own.
std::string MnemonicTrouble(HWND dialog);
