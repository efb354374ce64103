// terminal.h - what the stand-in host needs to know about its terminal.
#pragma once

bool standardInputIsTerminal();
bool standardOutputIsTerminal();
