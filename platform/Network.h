#pragma once
// Whether a network connection is up (GetAdaptersAddresses).

enum class NetworkState { Down, Up, Unknown };

class INetwork {
public:
    // Up: an adapter is up and has a unicast address that is not a loopback
    // one. Unknown where the system cannot tell (no GetAdaptersAddresses,
    // or the call failed).
    virtual NetworkState State() = 0;

protected:
    ~INetwork() = default;  // as IDesktopWindows'
};
