// terminal_windows.cpp - terminal checks on Windows.
#include "terminal.h"

#include <io.h>
#include <stdio.h>

bool standardInputIsTerminal() {
    return _isatty(_fileno(stdin)) != 0;
}
// Windows consoles of the real host's era do not render ANSI styles: print plain text there.
bool standardOutputIsTerminal() {
    return false;
}
