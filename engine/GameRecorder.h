#pragma once
// Where a finished game goes: the high-score table (one player, side 1 won), the record table
// of two-player games, and the result log of computer games.

namespace tolvekin {

class GameRecorder {
public:
    virtual ~GameRecorder() = default;
    virtual void RecordScore() = 0;
    virtual void RecordTwoPlayerGame() = 0;
    virtual void WriteAutoResult() = 0;
};

class NoRecorder : public GameRecorder {
public:
    void RecordScore() override {}
    void RecordTwoPlayerGame() override {}
    void WriteAutoResult() override {}
};

} // namespace tolvekin
