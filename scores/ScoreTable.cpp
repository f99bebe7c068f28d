#include "scores/ScoreTable.h"

#include <algorithm>
#include <limits>

namespace tolvekin {

int32_t ScoreNumber(const QString& text) {
    constexpr int64_t Max = std::numeric_limits<int32_t>::max();
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    int64_t value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = std::min(value * 10 + (text[i].unicode() - u'0'), Max + 1);
    }
    if (negative) {
        return static_cast<int32_t>(-value);
    }
    return static_cast<int32_t>(std::min(value, Max));
}

} // namespace tolvekin
