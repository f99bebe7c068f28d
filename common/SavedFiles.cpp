#include "SavedFiles.h"

#include <QSaveFile>

namespace tolvekin {

bool SaveFileBytes(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        if (file.write(bytes) == bytes.size() && file.commit()) {
            return true;
        }
    }
    if (error != nullptr) {
        *error = file.errorString();
    }
    file.cancelWriting();
    return false;
}

} // namespace tolvekin
