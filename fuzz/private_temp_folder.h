// private_temp_folder.h - a folder of the fuzz process's own for the files it writes.
#pragma once

#include <filesystem>

namespace pelmora_fuzz {

// "<system temp folder>/pelmora-fuzz-<process id>", created empty on first use and removed with
// its contents when the process exits normally. After a crash it stays, holding the file of the
// input that failed.
const std::filesystem::path& privateTempFolder();

} // namespace pelmora_fuzz
