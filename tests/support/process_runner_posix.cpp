// process_runner_posix.cpp - fork and exec, output captured in temporary files.
#include "process_runner.h"

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
std::string readAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
} // namespace

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& arguments,
                         long fileSizeLimit) {
    static int runs = 0;
    const std::string stem =
        "/tmp/pelmora-run-" + std::to_string(getpid()) + "-" + std::to_string(++runs);
    const std::string outPath = stem + ".out";
    const std::string errPath = stem + ".err";

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

    const pid_t child = fork();
    if (child == 0) {
        const int in = open("/dev/null", O_RDONLY);
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(in, STDIN_FILENO);
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        if (fileSizeLimit > 0) {
            // An ignored signal stays ignored across exec: the write fails instead of killing.
            signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{static_cast<rlim_t>(fileSizeLimit),
                               static_cast<rlim_t>(fileSizeLimit)};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    ProcessResult result;
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child) {
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    result.standardOutput = readAll(outPath);
    result.standardError = readAll(errPath);
    unlink(outPath.c_str());
    unlink(errPath.c_str());
    return result;
}

std::string nativePath(const std::string& path) {
    return path;
}
