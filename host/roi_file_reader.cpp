// roi_file_reader.cpp - reading ".roi" files line by line, with a message for every fault.
//
// The layout: five header entries separated by empty lines, then one block per voxel list:
//
//   FileVersion:<TAB>5          NrOfTCs:<TAB>1
//   <empty>                     FromSlice:<TAB>7
//   SaveVoxelsInROIs:<TAB>1     Left:<TAB>11       (Right, Top, Bottom likewise)
//   ...                         NrOfVoxels:<TAB>2
//   NrOfTCPlots:<TAB>1          10<TAB>20<TAB>5<TAB>
//   <empty>                     12<TAB>18<TAB>7<TAB>
//
// The bounding-box entries are checked for form only: the voxel lines are the data.
#include "roi_file_reader.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

class LineCursor {
public:
    LineCursor(std::string_view text, const std::string& fileName)
        : text_(text), fileName_(fileName) {}

    bool atEnd() const { return position_ >= text_.size(); }
    long long lineNumber() const { return lineNumber_; }

    // The next line, left unread.
    std::string_view peek() const {
        LineCursor lookahead = *this;
        return lookahead.next();
    }

    // The next line without its line break.
    std::string_view next() {
        if (atEnd()) {
            fail(lineNumber_ + 1, "the file ends early");
        }
        ++lineNumber_;
        const std::size_t newline = text_.find('\n', position_);
        const std::size_t end = newline == std::string_view::npos ? text_.size() : newline;
        std::string_view line = text_.substr(position_, end - position_);
        position_ = newline == std::string_view::npos ? text_.size() : newline + 1;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.find('\r') != std::string_view::npos) {
            fail(lineNumber_, "a carriage return inside the line");
        }
        return line;
    }

    [[noreturn]] void fail(long long line, const std::string& message) const {
        throw RoiFileError(fileName_ + ":" + std::to_string(line) + ": " + message);
    }
    [[noreturn]] void fail(const std::string& message) const { fail(lineNumber_, message); }

private:
    std::string_view text_;
    const std::string& fileName_;
    std::size_t position_ = 0;
    long long lineNumber_ = 0;
};

std::string shown(std::string_view text) {
    std::string result = "\"";
    for (const char c : text.substr(0, 40)) {
        result += c == '\t' ? std::string("\\t") : std::string(1, c);
    }
    return result + (text.size() > 40 ? "...\"" : "\"");
}

// Numbers are written without leading zeros and without "-0"; anything else is not a ".roi" file.
template <typename Number>
Number parseNumber(LineCursor& cursor, std::string_view text, std::string_view what) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    const std::string_view digits = text.substr(!text.empty() && text[0] == '-' ? 1 : 0);
    const bool paddedOrNegativeZero =
        !digits.empty() && digits[0] == '0' && (digits.size() > 1 || digits.size() < text.size());
    if (text.empty() || error != std::errc() || stop != end || paddedOrNegativeZero) {
        cursor.fail(std::string(what) + ": " + shown(text) + " is not a valid number");
    }
    return value;
}

// A line "Key:<TAB>value"; returns the value.
template <typename Number>
Number readEntry(LineCursor& cursor, std::string_view key) {
    const std::string_view line = cursor.next();
    const std::string prefix = std::string(key) + ":\t";
    if (line.substr(0, prefix.size()) != prefix) {
        cursor.fail("expected \"" + std::string(key) + ":<TAB>value\", found " + shown(line));
    }
    return parseNumber<Number>(cursor, line.substr(prefix.size()), key);
}

void readEmptyLine(LineCursor& cursor) {
    const std::string_view line = cursor.next();
    if (!line.empty()) {
        cursor.fail("expected an empty line, found " + shown(line));
    }
}

bool startsLikeVoxelLine(std::string_view line) {
    return !line.empty() && (line[0] == '-' || (line[0] >= '0' && line[0] <= '9'));
}

// "x<TAB>y<TAB>z<TAB>"; the tab after z may be missing in hand-written files.
HostVoxel readVoxelLine(LineCursor& cursor) {
    std::string_view line = cursor.next();
    if (!line.empty() && line.back() == '\t') {
        line.remove_suffix(1);
    }
    int coordinates[3] = {0, 0, 0};
    const char* names[3] = {"x", "y", "z"};
    for (int axis = 0; axis < 3; ++axis) {
        const std::size_t tab = line.find('\t');
        if ((tab == std::string_view::npos) != (axis == 2)) {
            cursor.fail("expected a voxel line \"x<TAB>y<TAB>z<TAB>\", found " + shown(line));
        }
        coordinates[axis] = parseNumber<int>(cursor, line.substr(0, tab), names[axis]);
        line.remove_prefix(tab == std::string_view::npos ? line.size() : tab + 1);
    }
    return {coordinates[0], coordinates[1], coordinates[2]};
}

} // namespace

std::vector<HostRoi> parseRoiText(std::string_view text, const std::string& fileName) {
    LineCursor cursor(text, fileName);
    readEntry<int>(cursor, "FileVersion");
    readEmptyLine(cursor);
    readEntry<int>(cursor, "SaveVoxelsInROIs");
    readEmptyLine(cursor);
    readEntry<int>(cursor, "SaveSortedVoxelList");
    readEmptyLine(cursor);
    readEntry<int>(cursor, "SaveROIMaxPSC");
    readEmptyLine(cursor);
    // A count of zero or less means the header alone.
    const int nrOfLists = readEntry<int>(cursor, "NrOfTCPlots");

    std::vector<HostRoi> rois;
    for (int list = 0; list < nrOfLists; ++list) {
        // One empty line before the first block, two before every later one.
        readEmptyLine(cursor);
        if (list > 0) {
            readEmptyLine(cursor);
        }
        const long long blockLine = cursor.lineNumber() + 1;
        readEntry<int>(cursor, "NrOfTCs");
        readEntry<int>(cursor, "FromSlice");
        readEntry<int>(cursor, "Left");
        readEntry<int>(cursor, "Right");
        readEntry<int>(cursor, "Top");
        readEntry<int>(cursor, "Bottom");
        const auto nrOfVoxels = readEntry<unsigned>(cursor, "NrOfVoxels");
        // The count comes from the file: grow with the lines actually read, not ahead of them.
        HostRoi roi{fileName + ", list " + std::to_string(list + 1) + " (line " +
                        std::to_string(blockLine) + ")",
                    {}};
        for (unsigned voxel = 0; voxel < nrOfVoxels; ++voxel) {
            if (cursor.atEnd() || !startsLikeVoxelLine(cursor.peek())) {
                cursor.fail(cursor.lineNumber() + 1,
                            "NrOfVoxels says " + std::to_string(nrOfVoxels) + ", but only " +
                                std::to_string(voxel) + " voxel lines follow");
            }
            roi.voxels.push_back(readVoxelLine(cursor));
        }
        rois.push_back(std::move(roi));
    }

    // Nothing may follow the last block but empty lines.
    while (!cursor.atEnd()) {
        const std::string_view line = cursor.next();
        if (!line.empty()) {
            cursor.fail(nrOfLists == 0 ? "text after NrOfTCPlots 0: " + shown(line)
                                       : "more lines than NrOfVoxels announced, or a block beyond "
                                         "NrOfTCPlots: " +
                                             shown(line));
        }
    }
    return rois;
}

std::vector<HostRoi> readRoiFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw RoiFileError(path + ": cannot be opened for reading");
    }
    const std::string text((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    if (file.bad()) {
        throw RoiFileError(path + ": cannot be read");
    }
    return parseRoiText(text, path);
}
