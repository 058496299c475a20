#pragma once
// What belongs to the user's log-on session as a whole.
#include <string>

class ISession {
public:
    virtual ~ISession() = default;
    // Claims the name for as long as this program runs (a named mutex in
    // the session's own namespace): false when another program of the
    // session holds it already. A claim the system cannot make is granted:
    // running twice is better than not at all.
    virtual bool ClaimOnce(const std::string& name) = 0;
};
