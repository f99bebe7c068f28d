#include "scores/AutoResultLog.h"

#include "common/dialogs/DialogSeam.h"
#include "common/files/RegularFiles.h"
#include "common/files/TextFiles.h"
#include "common/text/Utf8Text.h"

#include <atomic>

namespace tolvekin {

void AppendAutoResult(const QString& dataDir, const std::string& line) {
    const QString path = dataDir + "AutoResult.txt";
    if (!FileExists(path)) {
        return; // the log is switched on by the file's presence only
    }
    // A link to a file elsewhere is a log the player did not make here.
    if (const std::optional<QString> refusal = WriteRefusal(path)) {
        static std::atomic<bool> told{false};
        if (!told.exchange(true)) {
            MessageForm(QStringLiteral("対戦結果を記録できません。\n") + *refusal);
        }
        return;
    }
    AppendTextLine(path, Q(line));
}

} // namespace tolvekin
