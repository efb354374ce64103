// process_runner_windows.cpp - CreateProcess, output captured in temporary files.
#include "process_runner.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <fstream>
#include <iterator>

namespace {
std::string readAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Quotes one argument so that the C runtime's command-line parser gives it back unchanged.
std::string quoted(const std::string& argument) {
    std::string result = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        result.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        result += c;
    }
    result.append(backslashes * 2, '\\');
    return result + "\"";
}

HANDLE inheritable(const std::string& path, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES attributes{sizeof attributes, nullptr, TRUE};
    return CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &attributes,
                       disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}
} // namespace

ProcessResult runProcess(const std::string& program, const std::vector<std::string>& arguments,
                         long /*fileSizeLimit: POSIX only*/) {
    static int runs = 0;
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string stem = std::string(folder) + "pelmora-run-" +
                             std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++runs);
    const std::string outPath = stem + ".out";
    const std::string errPath = stem + ".err";

    std::string commandLine = quoted(program);
    for (const std::string& argument : arguments) {
        commandLine += " " + quoted(argument);
    }

    ProcessResult result;
    HANDLE in = inheritable("NUL", GENERIC_READ, OPEN_EXISTING);
    HANDLE out = inheritable(outPath, GENERIC_WRITE, CREATE_ALWAYS);
    HANDLE err = inheritable(errPath, GENERIC_WRITE, CREATE_ALWAYS);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    if (CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                       nullptr, &startup, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        result.exitCode = static_cast<int>(code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(in);
    CloseHandle(out);
    CloseHandle(err);
    result.standardOutput = readAll(outPath);
    result.standardError = readAll(errPath);
    DeleteFileA(outPath.c_str());
    DeleteFileA(errPath.c_str());
    return result;
}

std::string nativePath(const std::string& path) {
    if (path.empty() || path[0] != '/') {
        return path;
    }
    std::string windows = "Z:" + path;
    for (char& c : windows) {
        if (c == '/') {
            c = '\\';
        }
    }
    return windows;
}
