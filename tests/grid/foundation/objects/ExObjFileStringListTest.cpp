#include "grid/foundation/objects/ExObjFileStringList.h"

#include "platform/core/Exceptions.h"
#include "tests/support/TempExeFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(FileStringList, WritesPendingTextIntoOneLineAndReadsItBack)
{
    TFileStringList list;
    list.Write("a");
    list.Write("b");
    list.WriteLn("c");
    list.WriteLn("d");
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list[0], "abc");

    list.Reset();
    QString line;
    list.ReadLn(line);
    EXPECT_EQ(line, "abc");
    EXPECT_FALSE(list.Eof());
    list.ReadLn(line);
    EXPECT_EQ(line, "d");
    EXPECT_TRUE(list.Eof());
    EXPECT_THROW(list.ReadLn(line), EStringListError);
}

TEST(FileStringList, ResetDropsPendingText)
{
    TFileStringList list;
    list.Write("lost");
    list.Reset();
    list.WriteLn("kept");
    EXPECT_EQ(list[0], "kept");
    EXPECT_TRUE(TFileStringList().Eof());
}

TEST(FileStringList, ReadsAFileLineByLine)
{
    const QString path = testsupport::WriteTestFile("in.txt", "\xEF\xBB\xBFone\r\ntw\xC3\xB6\r\n");
    TFileStringList list;
    list.LoadFromFile(path);
    list.Reset();
    QStringList lines;
    while (!list.Eof()) {
        QString line;
        list.ReadLn(line);
        lines << line;
    }
    EXPECT_EQ(lines, (QStringList{"one", QString::fromUtf8("tw\xC3\xB6")}));
}

} // namespace
