#include "platform/core/ExeFolder.h"
#include "tests/support/TempExeFolder.h"

#include <QDir>

#include <gtest/gtest.h>

TEST(ExeFolder, EachTestRunsInItsOwnEmptyFolder)
{
    const QString folder = platform::ExeFolder();
    EXPECT_EQ(folder, QDir::toNativeSeparators(QDir::cleanPath(testsupport::TestFolder())));
    EXPECT_TRUE(QDir(folder).exists());
    EXPECT_TRUE(QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST(ExeFolder, OverrideHasNoTrailingSeparator)
{
    platform::SetExeFolder(testsupport::TestFolder() + "/");
    EXPECT_FALSE(platform::ExeFolder().endsWith('/'));
}
