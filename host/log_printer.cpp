// log_printer.cpp - the few HTML tags that host log lines use, rendered for a terminal.
#include "log_printer.h"

#include <array>
#include <utility>

std::string renderLogLine(std::string_view html, bool styled) {
    // Each tag and what it becomes: an ANSI escape when styled, nothing otherwise.
    static const std::array<std::pair<std::string_view, std::string_view>, 5> kTags = {{
        {"<b>", "\x1b[1m"},
        {"</b>", "\x1b[22m"},
        {"<i>", "\x1b[3m"},
        {"</i>", "\x1b[23m"},
        {"<br>", "\n"},
    }};

    std::string text;
    text.reserve(html.size());
    for (std::size_t i = 0; i < html.size();) {
        bool matched = false;
        for (const auto& [tag, replacement] : kTags) {
            if (html.substr(i, tag.size()) == tag) {
                if (styled || tag == "<br>") {
                    text += replacement;
                }
                i += tag.size();
                matched = true;
                break;
            }
        }
        if (!matched) {
            text += html[i++];
        }
    }
    if (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    return text;
}
