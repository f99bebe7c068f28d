#include "scores/AutoResultLog.h"

#include "common/TextFiles.h"
#include "common/Utf8Text.h"

namespace tolvekin {

void AppendAutoResult(const QString& dataDir, const std::string& line) {
    const QString path = dataDir + "AutoResult.txt";
    if (!FileExists(path)) {
        return; // the log is switched on by the file's presence only
    }
    AppendTextLine(path, Q(line));
}

} // namespace tolvekin
