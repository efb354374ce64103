// roi_file_text.cpp - formatting the header, the block headings and the voxel lines.
//
// The format's line break is CR LF on every platform. It is written as two bytes, and the file
// goes out through raw writes, never through a text-mode stream that would translate it.
#include "roi_file_text.h"

#include "decimal_text.h"
#include "roi_file_header.h"

#include <algorithm>
#include <cstring>

namespace pelmora {

namespace {
constexpr char lineBreak[] = "\r\n";
constexpr std::size_t lineBreakLength = 2;

// Key, value and line breaks of any header or heading line fit in this.
constexpr std::size_t longestSettingLine = 64;
// Three coordinates "-2147483648", each followed by a tab, then the line break.
constexpr std::size_t longestVoxelLine = 3 * (longestInt32Text + 1) + lineBreakLength;

template <std::size_t size>
char* appendText(char* out, const char (&text)[size]) {
    std::memcpy(out, text, size - 1);
    return out + size - 1;
}

char* appendLineBreaks(char* out, int count) {
    for (int i = 0; i < count; ++i) {
        out = appendText(out, lineBreak);
    }
    return out;
}

// "Key:\t" (the key as given includes the colon and the tab), the value, then the line breaks.
template <std::size_t size, typename Number>
void writeSetting(FileOutputBuffer& out, const char (&key)[size], Number value,
                  int lineBreaksAfter) {
    char* cursor = out.reserve(longestSettingLine);
    cursor = appendText(cursor, key);
    cursor = appendDecimal(cursor, value);
    out.commit(appendLineBreaks(cursor, lineBreaksAfter));
}

char* appendVoxelLine(char* out, const RoiVoxel& voxel) {
    out = appendDecimalAndTab(out, voxel.x);
    out = appendDecimalAndTab(out, voxel.y);
    out = appendDecimalAndTab(out, voxel.z);
    return appendText(out, lineBreak);
}

void writeVoxelLines(const RoiVoxelList& voxels, FileOutputBuffer& out) {
    // One room check for as many lines as surely fit, not one per line.
    auto next = voxels.begin();
    while (next != voxels.end() && !out.hasFailed()) {
        char* cursor = out.reserve(longestVoxelLine);
        const auto batchSize =
            std::min(out.room() / longestVoxelLine, static_cast<std::size_t>(voxels.end() - next));
        for (const auto batchEnd = next + static_cast<std::ptrdiff_t>(batchSize); next != batchEnd;
             ++next) {
            cursor = appendVoxelLine(cursor, *next);
        }
        out.commit(cursor);
    }
}
} // namespace

void writeHeaderText(const RoiFileHeader& header, FileOutputBuffer& out) {
    writeSetting(out, "FileVersion:\t", header.fileVersion, 2);
    writeSetting(out, "SaveVoxelsInROIs:\t", header.saveVoxelsInROIs, 2);
    writeSetting(out, "SaveSortedVoxelList:\t", header.saveSortedVoxelList, 2);
    writeSetting(out, "SaveROIMaxPSC:\t", header.saveROIMaxPSC, 2);
    writeSetting(out, "NrOfTCPlots:\t", header.nrOfTCPlots, 0);
}

void writeBlockText(const RoiBlockBounds& bounds, const RoiVoxelList& voxels,
                    FileOutputBuffer& out) {
    // Before the first block the two line breaks end the NrOfTCPlots line and leave one empty
    // line; a later block follows a voxel line that has its own, so they leave two.
    char* cursor = out.reserve(2 * lineBreakLength);
    out.commit(appendLineBreaks(cursor, 2));

    // Every block holds one time course.
    writeSetting(out, "NrOfTCs:\t", std::int32_t{1}, 1);
    writeSetting(out, "FromSlice:\t", bounds.fromSlice, 1);
    writeSetting(out, "Left:\t", bounds.left, 1);
    writeSetting(out, "Right:\t", bounds.right, 1);
    writeSetting(out, "Top:\t", bounds.top, 1);
    writeSetting(out, "Bottom:\t", bounds.bottom, 1);
    writeSetting(out, "NrOfVoxels:\t", static_cast<std::uint64_t>(voxels.size()), 1);
    writeVoxelLines(voxels, out);
}

} // namespace pelmora
