// log_printer.h - showing the plug-in's log lines on a terminal.
#pragma once

#include <string>
#include <string_view>

// Renders one log line's HTML for a terminal: <b> and <i> become bold and italic when `styled`
// (plain text otherwise), <br> becomes a line break (a closing one is dropped: every log line
// ends a line anyway). Other text is kept as it is.
std::string renderLogLine(std::string_view html, bool styled);
