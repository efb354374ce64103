// run_player.h - playing one run against a plug-in object.
#pragma once

#include "host_session.h"
#include "nerolt_plugin_interface.h"

// Calls the run hooks as the real host does: executePreRun, then executePreStep and
// executePostStep around every time point until the run stops, then executePostRun. On a run
// that is already complete the host only starts and ends it. The session's current time point
// follows the run. A hook that returns false or throws is reported on standard error; a thrown
// exception is a contract violation.
void playRun(NeroltPluginInterface& plugin, HostSession& session);
