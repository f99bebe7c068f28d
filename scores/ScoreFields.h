#pragma once
// The fields of a score file, read as a stream: fields end at a comma or a line end; a field
// that begins with a double quote runs to the next double quote, which may lie on a later
// line, and loses its quotes; any other field loses its surrounding blanks. Blank lines between
// records are skipped; a comma right before a line end or the end of the text ends an empty
// field.

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace tolvekin {

class ScoreFieldReader {
public:
    explicit ScoreFieldReader(QStringView text) : text_(text) {}

    // The next field, or std::nullopt at the end of the text.
    std::optional<QString> Next();
    // Line (from 1) on which the field read last began.
    int Line() const { return fieldLine_; }

private:
    bool AtLineEnd() const;
    void SkipLineEnd();

    QStringView text_;
    qsizetype pos_ = 0;
    int line_ = 1;
    int fieldLine_ = 1;
    bool afterComma_ = false;
};

using ScoreRecord = std::array<QString, 7>;

enum class RecordRead { Ok, End, CutShort };

// Reads the next seven fields. End when the text ended before the record, CutShort when it
// ended inside it. line receives the line of the record's first field.
RecordRead ReadScoreRecord(ScoreFieldReader& reader, ScoreRecord& record, int& line);

} // namespace tolvekin
