#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>

#include <algorithm>
#include <vector>

#include "platform/win32/Win32Desktop.h"

namespace {

bool Loopback(const SOCKADDR* address) {
    if (address->sa_family == AF_INET)
        return reinterpret_cast<const sockaddr_in*>(address)->sin_addr.S_un.S_un_b.s_b1 == 127;
    if (address->sa_family != AF_INET6) return false;
    static const unsigned char loopback[16] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    const unsigned char* bytes = reinterpret_cast<const sockaddr_in6*>(address)->sin6_addr.s6_addr;
    return std::equal(bytes, bytes + 16, loopback);
}

}  // namespace

NetworkState Win32Network::State() {
    if (!m_looked) {
        m_looked = true;
        if (HMODULE library = LoadLibraryA("iphlpapi.dll"))
            m_get = reinterpret_cast<GetAdaptersAddressesFn>(
                reinterpret_cast<void*>(GetProcAddress(library, "GetAdaptersAddresses")));
    }
    if (!m_get) return NetworkState::Unknown;
    const ULONG flags = GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER;
    std::vector<unsigned char> buffer(16384);
    ULONG size = static_cast<ULONG>(buffer.size());
    ULONG result = m_get(AF_UNSPEC, flags, nullptr, buffer.data(), &size);
    if (result == ERROR_BUFFER_OVERFLOW) {
        buffer.resize(size);
        result = m_get(AF_UNSPEC, flags, nullptr, buffer.data(), &size);
    }
    if (result == ERROR_NO_DATA) return NetworkState::Down;
    if (result != ERROR_SUCCESS) return NetworkState::Unknown;
    for (auto adapter = reinterpret_cast<const IP_ADAPTER_ADDRESSES*>(buffer.data()); adapter; adapter = adapter->Next) {
        if (adapter->OperStatus != IfOperStatusUp || adapter->IfType == IF_TYPE_SOFTWARE_LOOPBACK) continue;
        for (auto unicast = adapter->FirstUnicastAddress; unicast; unicast = unicast->Next)
            if (unicast->Address.lpSockaddr && !Loopback(unicast->Address.lpSockaddr)) return NetworkState::Up;
    }
    return NetworkState::Down;
}
