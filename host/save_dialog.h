// save_dialog.h - the stand-in for the host's save dialog.
#pragma once

#include "host_session.h"

// Shows the dialog as the host's messages and returns its answer: the scripted one, or a name
// typed on the terminal. A relative name is taken in the folder the dialog starts in.
SaveDialogAnswer showSaveDialog(HostSession& session, const char* title, const char* startFolder,
                                const char* filter);
