// The fixed-column number reader: which lines count, which columns are
// read, and failures that leave the program running.
#include "kestrova/NumberFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

TEST(NumberFile, ReadsColumnsOfDataLinesPassingOverEmptyAndBracketLines) {
    const std::string path = ::testing::TempDir() + "/numbers.txt";
    std::ofstream(path, std::ios::binary) << "\r\n [section]\nABCDEFGHIJK123456\r\n\n [comment\n    42\nx-2.25\n"
                                             "[first is not second\n";
    LOADFILEBEGIN(path);
    EXPECT_EQ(FILELINE, "123456") << "the first data line without its first 11 characters";
    EXPECT_EQ(LOADFILEDATEI(1, 3, false), 123);
    EXPECT_EQ(LOADFILEDATEI(4, 10, false), 456) << "a field running past the line's end is cut short";
    EXPECT_EQ(LOADFILEDATEI(5, 4, true), 42);
    EXPECT_FLOAT_EQ(LOADFILEDATEF(2, 5, true), -2.25f);
    EXPECT_FALSE(FILEFAILED);
    LOADFILEDATEI(1, 1, true);
    EXPECT_TRUE(FILEFAILED) << "a line whose first character is [ is a data line, and [ is no number";
    LOADFILEEND();
    std::remove(path.c_str());
}

TEST(NumberFile, MissingFilesReadsPastTheEndAndNonNumbersFailAndReadZero) {
    LOADFILEBEGIN("/nonexistent/kestrova.ter");
    EXPECT_TRUE(FILEFAILED);
    EXPECT_EQ(LOADFILEDATEI(1, 4, true), 0);

    LOADTEXTBEGIN("header\n   7\n");
    EXPECT_EQ(LOADFILEDATEI(1, 4, true), 7);
    EXPECT_EQ(LOADFILEDATEI(1, 4, true), 0);
    EXPECT_TRUE(FILEFAILED) << "reading past the last line";
    LOADTEXTBEGIN("header\n   7\n");
    EXPECT_FALSE(FILEFAILED) << "a new file starts afresh";

    for (const char* field : {"nan", "inf", "1,5", "", "  ", "+-1", "1e99", "12a"}) {
        LOADTEXTBEGIN(std::string("header\n") + field + "\n");
        EXPECT_EQ(LOADFILEDATEF(1, 4, true), 0) << field;
        EXPECT_TRUE(FILEFAILED) << field;
    }
    LOADTEXTBEGIN("header\n+1.5\n");
    EXPECT_FLOAT_EQ(LOADFILEDATEF(1, 4, true), 1.5f);
    LOADFILEEND();
}
