// fuzz_failure.h - how a fuzz target reports a broken property.
#pragma once

#include <cstdio>
#include <string>

namespace pelmora_fuzz {

// Prints what went wrong and stops the process the way libFuzzer notices: it then saves the
// input that did it as a crash file, which reproduces the fault when given to the target again.
[[noreturn]] inline void fuzzFailure(const std::string& what) {
    std::fprintf(stderr, "\n*** fuzz property broken: %s\n", what.c_str());
    std::fflush(stderr);
    __builtin_trap();
}

} // namespace pelmora_fuzz
