// private_temp_folder.cpp - created once, removed at exit.
#include "private_temp_folder.h"

#include <string>
#include <unistd.h>

namespace pelmora_fuzz {

namespace {

class TempFolder {
public:
    TempFolder()
        : path_(std::filesystem::temp_directory_path() /
                ("pelmora-fuzz-" + std::to_string(::getpid()))) {
        // A folder of this name can only be left by an earlier crashed run whose process had the
        // same id; its files would spoil the checks of what the writer leaves behind.
        std::filesystem::remove_all(path_);
        std::filesystem::create_directory(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace

const std::filesystem::path& privateTempFolder() {
    static const TempFolder folder;
    return folder.path();
}

} // namespace pelmora_fuzz
