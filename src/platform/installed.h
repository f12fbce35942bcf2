#pragma once

// One program-wide implementation of a platform service, installed at start-up
// (the real windows) or by a test (a scripted fake).

#include <QtGlobal>

#include <utility>

template <class Service> class Installed
{
public:
    static Service& get()
    {
        if (!s_current)
            qFatal("Kelmora: a platform service was used before it was installed");
        return *s_current;
    }

    // Returns the service it replaces, so that a test can put it back.
    static Service* install(Service* service) { return std::exchange(s_current, service); }

private:
    static inline Service* s_current = nullptr;
};
