#include "scores/ScoreFields.h"

namespace tolvekin {
namespace {

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

} // namespace

bool ScoreFieldReader::AtLineEnd() const {
    return pos_ < text_.size() && (text_[pos_] == u'\r' || text_[pos_] == u'\n');
}

void ScoreFieldReader::SkipLineEnd() {
    if (text_[pos_] == u'\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\n') {
        ++pos_;
    }
    ++pos_;
    ++line_;
}

std::optional<QString> ScoreFieldReader::Next() {
    const qsizetype n = text_.size();
    for (;;) {
        while (pos_ < n && IsBlank(text_[pos_])) {
            ++pos_;
        }
        if (!afterComma_ && AtLineEnd()) {
            SkipLineEnd();
            continue;
        }
        break;
    }
    if (pos_ >= n) {
        if (!afterComma_) {
            return std::nullopt;
        }
        afterComma_ = false; // "a,b," at the very end: one more, empty field
        return QString();
    }
    fieldLine_ = line_;
    QString value;
    if (text_[pos_] == u'"') {
        const qsizetype begin = ++pos_;
        while (pos_ < n && text_[pos_] != u'"') {
            if (text_[pos_] == u'\n' ||
                (text_[pos_] == u'\r' && pos_ + 1 < n && text_[pos_ + 1] != u'\n')) {
                ++line_;
            }
            ++pos_;
        }
        value = text_.mid(begin, pos_ - begin).toString();
        if (pos_ < n) {
            ++pos_; // the closing quote
        }
        // Anything between the closing quote and the end of the field is dropped.
        while (pos_ < n && text_[pos_] != u',' && !AtLineEnd()) {
            ++pos_;
        }
    } else {
        const qsizetype begin = pos_;
        while (pos_ < n && text_[pos_] != u',' && !AtLineEnd()) {
            ++pos_;
        }
        // Blanks go; an ideographic space belongs to the text.
        qsizetype end = pos_;
        while (end > begin && IsBlank(text_[end - 1])) {
            --end;
        }
        value = text_.mid(begin, end - begin).toString();
    }
    afterComma_ = false;
    if (pos_ < n) {
        if (text_[pos_] == u',') {
            ++pos_;
            afterComma_ = true;
        } else {
            SkipLineEnd();
        }
    }
    return value;
}

RecordRead ReadScoreRecord(ScoreFieldReader& reader, ScoreRecord& record, int& line) {
    for (size_t i = 0; i < record.size(); ++i) {
        std::optional<QString> field = reader.Next();
        if (!field) {
            return i == 0 ? RecordRead::End : RecordRead::CutShort;
        }
        if (i == 0) {
            line = reader.Line();
        }
        record[i] = std::move(*field);
    }
    return RecordRead::Ok;
}

} // namespace tolvekin
