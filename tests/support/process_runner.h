// process_runner.h - running another program from a test and capturing what it prints.
#pragma once

#include <string>
#include <vector>

struct ProcessResult {
    int exitCode = -1;
    std::string standardOutput;
    std::string standardError;
};

// Runs `program` with `arguments`, standard input empty, and waits for it to end.
// Paths are passed through as given: use nativePath for paths from the build system.
// fileSizeLimit > 0 (POSIX only) caps the size of every file the program writes, as a full disk
// would: writes beyond it fail with EFBIG.
ProcessResult runProcess(const std::string& program, const std::vector<std::string>& arguments,
                         long fileSizeLimit = 0);

// A path from the build system as the running platform spells it: under Wine, a Linux path
// "/work/x" becomes "Z:\work\x"; elsewhere it is unchanged.
std::string nativePath(const std::string& path);
