// terminal_posix.cpp - terminal checks on POSIX systems.
#include "terminal.h"

#include <unistd.h>

bool standardInputIsTerminal() {
    return isatty(STDIN_FILENO) == 1;
}
bool standardOutputIsTerminal() {
    return isatty(STDOUT_FILENO) == 1;
}
