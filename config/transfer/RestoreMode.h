#pragma once
// OrvaneConfig /restore [/quiet]: every managed item goes back where it came
// from, item by item as File > Restore puts it, without the window and
// without questions. Removing the package runs it before any file goes.
#include <string>

struct Platform;

// The program's exit code.
enum RestoreExit {
    RestoreDone = 0,       // every item is back, or there was none
    RestoreItemsLeft = 1,  // what is named in the report stays in the manager directory
    RestoreUnread = 2,     // the manager directory or Orvane.ini could not be read: nothing moved
};

// The report beside Orvane.ini, written when not all went back.
inline constexpr char RestoreReportName[] = "Restore.txt";

// An item with no recorded origin goes into the user's Windows Startup
// folder, where Windows still starts it. A question an item's step would
// ask (replace a file or a value of the same name) is answered No, and the
// item stays. Afterwards Orvane.ini holds the lines of the items left; with
// none left, Orvane.ini and the runner's Run value go. Unless quiet, one
// message tells the outcome.
int RestoreWithoutWindow(Platform& platform, bool quiet);
