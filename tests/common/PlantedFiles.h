#pragma once
// Things a player (or anyone who may write the folder) can put where the programs keep a file:
// a link to a file elsewhere, a link to nothing, a named pipe, a device node and a folder. Each
// remembers what it was, so a test can tell that a refused save left it, and whatever it
// points at, exactly as it was.

#include "tests/support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace tolvekin::test {

enum class Planted { LinkToOutside, DanglingLink, Fifo, Device, Folder };

inline const char* Describe(Planted shape) {
    switch (shape) {
    case Planted::LinkToOutside:
        return "a link to a file outside";
    case Planted::DanglingLink:
        return "a dangling link";
    case Planted::Fifo:
        return "a named pipe";
    case Planted::Device:
        return "a device node";
    case Planted::Folder:
        return "a folder";
    }
    return "";
}

inline std::vector<Planted> EveryShape() {
    return {Planted::LinkToOutside, Planted::DanglingLink, Planted::Fifo, Planted::Device,
            Planted::Folder};
}

// One planted thing at path, with a file and a missing name in a folder of its own outside.
class PlantedFile {
public:
    static constexpr const char* OutsideBytes = "the player's own file\n";

    PlantedFile(const QString& path, Planted shape) : path_(path), shape_(shape) {
        const QByteArray native = QFile::encodeName(path);
        switch (shape) {
        case Planted::LinkToOutside:
            WriteBytes(OutsideFile(), OutsideBytes);
            made_ = QFile::link(OutsideFile(), path);
            break;
        case Planted::DanglingLink:
            made_ = QFile::link(OutsideMissing(), path);
            break;
        case Planted::Fifo:
            made_ = ::mkfifo(native.constData(), 0600) == 0;
            break;
        case Planted::Device:
            // The same device as /dev/null; only root may make one.
            made_ = ::mknod(native.constData(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
            break;
        case Planted::Folder:
            made_ = QDir().mkdir(path);
            break;
        }
        if (made_) {
            ::lstat(native.constData(), &before_);
        }
    }

    bool Made() const { return made_; }
    QString OutsideFile() const { return outside_.filePath("mine.txt"); }
    QString OutsideMissing() const { return outside_.filePath("missing.txt"); }

    // The thing is still what was planted, and outside nothing changed or appeared.
    void ExpectUntouched() const {
        struct stat now {};
        ASSERT_EQ(::lstat(QFile::encodeName(path_).constData(), &now), 0) << "gone";
        EXPECT_EQ(now.st_ino, before_.st_ino) << "replaced";
        EXPECT_EQ(now.st_mode, before_.st_mode);
        if (shape_ == Planted::LinkToOutside) {
            EXPECT_EQ(ReadBytes(OutsideFile()), QByteArray(OutsideBytes));
        }
        EXPECT_FALSE(QFileInfo::exists(OutsideMissing())) << "made a file outside";
        const QStringList outside =
            QDir(outside_.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        EXPECT_EQ(outside.size(), shape_ == Planted::LinkToOutside ? 1 : 0);
    }

private:
    QString path_;
    Planted shape_;
    QTemporaryDir outside_;
    bool made_ = false;
    struct stat before_ {};
};

// Skips the rest of a test for a device node where this user may not make one.
#define SKIP_UNLESS_PLANTED(planted, shape)                                                        \
    if (!(planted).Made()) {                                                                       \
        ASSERT_EQ((shape), ::tolvekin::test::Planted::Device) << "could not plant";                \
        continue;                                                                                  \
    }

} // namespace tolvekin::test
