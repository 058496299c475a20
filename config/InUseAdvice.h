#pragma once
// The advice every failure of a move, a delete or a reorder ends with.

inline constexpr char InUseAdvice[] =
    "Make sure the file is not in use and is not read-only.\n"
    "If the file is in use, close it from the system tray or find it in the task list\n"
    "by pressing CTRL-ALT-DELETE.";
