#include "scores/ScoreRecords.h"

#include <gtest/gtest.h>

using namespace tolvekin;

TEST(ScoreRecords, StartRecordAndTokens) {
    EXPECT_EQ(StartRecord(4, 3), "ini,0403,0,0,0,0,0");
    EXPECT_EQ(StartRecord(12, 25), "ini,1225,0,0,0,0,0");
    EXPECT_EQ(MoveToken({0, 2, 4, 1, 12}), "240112");
    EXPECT_EQ(MoveToken({}), "000000");
}

TEST(ScoreRecords, LastLineIsPaddedToSixTokens) {
    std::vector<MoveRow> rows(82);
    for (size_t j = 1; j < rows.size(); ++j) {
        rows[j] = {0, static_cast<int16_t>(j % 2 + 1), 1, static_cast<int16_t>(j % 9 + 1), 3};
    }
    // 8 x 8: 60 moves fill ten lines exactly.
    auto lines = MoveRecordLines(rows, 60);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "rec,210203,110303,210403,110503,210603,110703");
    EXPECT_EQ(lines[9].find("000000"), std::string::npos);
    // 9 x 9: 77 moves, the last line holds five tokens and one 000000.
    lines = MoveRecordLines(rows, 77);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[12].substr(lines[12].size() - 13), "210603,000000");
    // 5 x 7: 31 moves, the last line holds one token and five 000000.
    lines = MoveRecordLines(rows, 31);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[5], "rec,210503,000000,000000,000000,000000,000000");
    // Rows beyond the given ones are empty moves.
    lines = MoveRecordLines({}, 3);
    EXPECT_EQ(lines, (std::vector<std::string>{"rec,000000,000000,000000,000000,000000,000000"}));
    EXPECT_TRUE(MoveRecordLines(rows, 0).empty());
}
