#pragma once
// Small file helpers for tests, working on raw bytes so the tests do not lean on the code
// under test.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

namespace tolvekin::test {

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

} // namespace tolvekin::test
