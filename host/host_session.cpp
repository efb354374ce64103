// host_session.cpp - the session object of the stand-in host.
#include "host_session.h"

HostSession& hostSession() {
    static HostSession session;
    return session;
}
