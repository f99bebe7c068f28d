#pragma once
// Text of the start and move records of a stored game, as the score files hold them:
// "ini,XXYY,0,0,0,0,0" and lines of "rec," followed by six 6-digit move tokens.

#include "engine/GameRecord.h"

#include <string>
#include <vector>

namespace tolvekin {

// "ini," + column and row as two digits each + ",0,0,0,0,0".
std::string StartRecord(int startX, int startY);

// Side, colour, column and row as one token: 1 digit, 1 digit, 2 digits, 2 digits.
std::string MoveToken(const MoveRow& move);

// The move record lines for moves 1..moveSlots (cells - 4) taken from rows[1..]; rows missing or
// beyond the played moves give 000000, and the last line is padded to six tokens.
std::vector<std::string> MoveRecordLines(const std::vector<MoveRow>& rows, int moveSlots);

} // namespace tolvekin
