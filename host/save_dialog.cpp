// save_dialog.cpp - answering the save dialog from the command line or the terminal.
#include "save_dialog.h"

#include "platform/terminal.h"

#include <cstdio>
#include <iostream>

namespace {
bool isAbsolute(const std::string& path) {
    const bool hasDriveLetter = path.size() >= 2 && path[1] == ':';
    return !path.empty() && (path[0] == '/' || path[0] == '\\' || hasDriveLetter);
}

std::string inFolder(const std::string& folder, const std::string& name) {
    if (folder.empty() || isAbsolute(name)) {
        return name;
    }
    const char last = folder.back();
    return last == '/' || last == '\\' ? folder + name : folder + "/" + name;
}

SaveDialogAnswer askOnTerminal() {
    std::cerr << "Nerolt:   file name (empty to cancel): " << std::flush;
    std::string name;
    if (!std::getline(std::cin, name) || name.empty()) {
        return std::nullopt;
    }
    return name;
}
} // namespace

SaveDialogAnswer showSaveDialog(HostSession& session, const char* title, const char* startFolder,
                                const char* filter) {
    std::cerr << "Nerolt: save dialog \"" << title << "\" for \"" << filter << "\", starting in \""
              << startFolder << "\"\n";

    const auto& answers = session.scenario.saveDialogAnswers;
    SaveDialogAnswer answer;
    if (!answers.empty()) {
        answer = answers[std::min(session.saveDialogsShown, answers.size() - 1)];
    } else if (standardInputIsTerminal()) {
        answer = askOnTerminal();
    } else {
        std::cerr << "Nerolt:   no --save-as or --cancel given and no terminal to ask on\n";
    }
    ++session.saveDialogsShown;

    if (answer) {
        answer = inFolder(startFolder, *answer);
        std::cerr << "Nerolt:   answered \"" << *answer << "\"\n";
    } else {
        std::cerr << "Nerolt:   cancelled\n";
    }
    return answer;
}
