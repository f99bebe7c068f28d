#include "scores/ScoreRecords.h"

#include <cstdio>

namespace tolvekin {
namespace {

std::string TwoDigits(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

} // namespace

std::string StartRecord(int startX, int startY) {
    return "ini," + TwoDigits(startX) + TwoDigits(startY) + ",0,0,0,0,0";
}

std::string MoveToken(const MoveRow& move) {
    return std::to_string(move[1]) + std::to_string(move[2]) + TwoDigits(move[3]) +
           TwoDigits(move[4]);
}

std::vector<std::string> MoveRecordLines(const std::vector<MoveRow>& rows, int moveSlots) {
    std::vector<std::string> lines;
    std::string line;
    for (int j = 1; j <= moveSlots; ++j) {
        if (j % 6 == 1) {
            line = "rec,";
        }
        const MoveRow none{};
        line +=
            MoveToken(static_cast<size_t>(j) < rows.size() ? rows[static_cast<size_t>(j)] : none);
        if (j % 6 == 0) {
            lines.push_back(line);
        } else if (j == moveSlots) {
            for (int k = j % 6; k < 6; ++k) {
                line += ",000000";
            }
            lines.push_back(line);
        } else {
            line += ",";
        }
    }
    return lines;
}

} // namespace tolvekin
