#pragma once
// COM for the shell links, started for a scope and ended with it, whichever
// way the scope is left; ended only when it was started.
#include "platform/ShellLinks.h"

class ComScope {
public:
    explicit ComScope(IShellLinks& links) : m_links(links), m_started(links.InitializeCom()) {}
    ~ComScope() {
        if (m_started) m_links.UninitializeCom();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    bool Started() const { return m_started; }

private:
    IShellLinks& m_links;
    bool m_started;
};
