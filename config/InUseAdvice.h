#pragma once
// The advice every failure of a move, a delete or a reorder ends with.

// Before it, where the folder is every user's: a standard user is refused.
inline constexpr char AllUsersAdvice[] =
    "Only an administrator can change the Startup folder of all users.  Start OrvaneConfig as an administrator, "
    "or use the Startup folder of this user only, which needs no such rights.\n\n";

inline constexpr char InUseAdvice[] =
    "Make sure the file is not in use and is not read-only.\n"
    "If the file is in use, close it from the system tray or find it in the task list\n"
    "by pressing CTRL-ALT-DELETE.";
