#pragma once
// Other programs' windows, the power supply and the network as the system
// tells them.
#include "platform/DesktopWindows.h"
#include "platform/Network.h"
#include "platform/PowerStatus.h"

class Win32DesktopWindows : public IDesktopWindows {
public:
    ProcessId IdOf(ProcessHandle process) override;
    bool Ended(ProcessHandle process) override;
    std::vector<WindowHandle> Showing(const std::vector<ProcessId>& processes) override;
    void Minimise(WindowHandle window) override;
};

class Win32PowerStatus : public IPowerStatus {
public:
    int AcLine() override;
};

// GetAdaptersAddresses, looked up in iphlpapi.dll at the first reading: a
// runner with no item waiting for the network loads nothing of it.
class Win32Network : public INetwork {
public:
    NetworkState State() override;

private:
    using GetAdaptersAddressesFn = unsigned long(__stdcall*)(unsigned long, unsigned long, void*, void*, unsigned long*);
    bool m_looked = false;
    GetAdaptersAddressesFn m_get = nullptr;
};

// The three for the runner's main.
struct Win32LaunchDevices {
    Win32DesktopWindows windows;
    Win32PowerStatus power;
    Win32Network network;
};
