// The one main of every test binary: one QApplication on the offscreen
// platform with the program's window fonts, and a fresh temporary executable
// folder for each test.

#include "platform/ui/paint/WindowFonts.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace testsupport {
void InstallTempExeFolderListener();
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::RegisterWindowFonts();
    ::testing::InitGoogleTest(&argc, argv);
    testsupport::InstallTempExeFolderListener();
    return RUN_ALL_TESTS();
}
