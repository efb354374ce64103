#include "roi_file_header.h"

#include <gtest/gtest.h>

TEST(RoiFileWriter, KeepsTheHeaderValues) {
    const RoiFileHeader header(5, 1, 0, 0, 1);
    EXPECT_EQ(header.fileVersion, 5);
    EXPECT_EQ(header.nrOfTCPlots, 1);
}
