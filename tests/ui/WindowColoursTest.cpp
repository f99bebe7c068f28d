// The main window keeps its colours as settings values, so that a system colour read from the
// settings file is written back unchanged after the window has shown it.

#include "settings/mdlOption.h"
#include "tests/support/FileBytes.h"
#include "tests/support/StartedWindow.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tolvekin;
using tolvekin::test::ReadBytes;
using tolvekin::test::WriteBytes;
using tolvekin::testing::StartedWindow;

namespace {

TEST(MainWindowColours, SystemColoursSurviveTheWindowAndTheSettingsFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString dataDir = dir.path() + "/";
    WriteBytes(dataDir + "TlvPar.txt", "/COLOR-2147483633\r\n/CLRBRD-2147483643\r\n");
    StartedWindow w(dataDir, 3);
    StartOptions start;
    start.FitToScreen = false; // and the settings read from the file
    start.ShowWindow = true;
    w.Start(start);
    Settings& settings = w.settings;
    ASSERT_EQ(settings.BackgroundColor, static_cast<int32_t>(0x8000000F));
    frmTolvek& form = *w.form;

    // Painted in the platform's colours: button face around the board, window colour on it.
    const QImage shot = form.grab().toImage();
    EXPECT_EQ(shot.pixelColor(2, 2), form.palette().color(QPalette::Button));
    EXPECT_EQ(form.Board()->Controls().lblBoard->palette().color(QPalette::Window),
              form.palette().color(QPalette::Window));

    // Confirming the options takes the colours back from the window and saves them.
    settings.BoardColor = w.host().Facts().BoardColor;
    settings.BackgroundColor = w.host().Facts().BackgroundColor;
    ASSERT_TRUE(WriteSettings(settings, 0, 0));
    const QByteArray bytes = ReadBytes(dataDir + "TlvPar.txt");
    EXPECT_TRUE(bytes.contains("\r\n/COLOR-2147483633\r\n/CLRBRD-2147483643\r\n")) << bytes.data();

    // A plain colour is painted as its red, green and blue parts.
    w.host().ShowLook({.BackgroundColor = 0x0000FF});
    EXPECT_EQ(form.grab().toImage().pixelColor(2, 2), QColor(255, 0, 0));
    EXPECT_EQ(w.host().Facts().BackgroundColor, 0x0000FF);
}

} // namespace
