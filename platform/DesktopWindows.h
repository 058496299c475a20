#pragma once
// Other programs' top-level windows, for a launch that is to start minimised
// whatever the program itself does with the show command it was given.
#include <cstdint>
#include <vector>

#include "platform/Shell.h"

using WindowHandle = std::uintptr_t;
using ProcessId = unsigned long;

class IDesktopWindows {
public:
    // The process's id; 0 where the system cannot tell.
    virtual ProcessId IdOf(ProcessHandle process) = 0;
    // The process has ended (its handle is signalled).
    virtual bool Ended(ProcessHandle process) = 0;
    // The top-level windows of these processes that are shown, not
    // minimised and owned by no other window: those a person sees open.
    virtual std::vector<WindowHandle> Showing(const std::vector<ProcessId>& processes) = 0;
    // Minimises the window without activating it or any other, and without
    // waiting for its program (which may be busy starting).
    virtual void Minimise(WindowHandle window) = 0;

protected:
    // Never deleted through the interface: no destructor in the table, whose
    // code would weigh on a program that only holds a stand-in.
    ~IDesktopWindows() = default;
};
