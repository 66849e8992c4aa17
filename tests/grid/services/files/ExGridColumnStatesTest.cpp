#include "grid/engine/ExGrid.h"
#include "grid/engine/layout/ExGridColumnSize.h"
#include "platform/core/Exceptions.h"
#include "platform/core/IniFile.h"
#include "tests/grid/services/files/FilesTestSupport.h"
#include "tests/support/TempExeFolder.h"

#include <QtCore/QFile>
#include <QtCore/QRegularExpression>
#include <QtWidgets/QWidget>

#include <gtest/gtest.h>

namespace {

// Keeps the user's configuration folder inside the test's folder.
struct ConfigFolder {
    ConfigFolder() { platform::SetUserConfigFolder(testsupport::TestFolder() + "/config"); }
    ~ConfigFolder() { platform::ResetUserConfigFolder(); }
};

void Columns(TExStringGrid& grid, int n)
{
    grid.SetColCount(n);
    for (int c = 0; c < n; ++c)
        grid.SetCells(c, 0, QString(QChar(u'A' + c)));
}

QString Headers(TExStringGrid& grid)
{
    QString s;
    for (int c = 0; c < grid.ColCount(); ++c)
        s += grid.Cells(c, 0);
    return s;
}

} // namespace

TEST(ExGridColumnStates, TextListsCountWidthsOrderAndFlags)
{
    TExStringGrid grid;
    Columns(grid, 4);
    EXPECT_EQ(grid.ColumnStatesToString(), "4#64,64,64,64#0,1,2,3#1,1,1,1");
    grid.SetColWidths(1, 80);
    grid.HideColumn(2);
    EXPECT_EQ(grid.ColumnStatesToString(), "4#64,80,64,64#0,1,2,3#1,1,0,1");
}

TEST(ExGridColumnStates, MovedAndHiddenLayoutsRoundTrip)
{
    TExStringGrid grid;
    Columns(grid, 4);
    grid.MoveColumn(0, 2);
    grid.SetColWidths(0, 70);
    grid.HideColumn(3);
    const QString state = grid.ColumnStatesToString();
    const QString headers = Headers(grid);

    TExStringGrid other;
    Columns(other, 4);
    other.StringToColumnStates(state);
    EXPECT_EQ(other.ColumnStatesToString(), state);
    EXPECT_EQ(Headers(other), headers);
    EXPECT_EQ(other.ColWidths(0), 70);
    EXPECT_TRUE(other.IsHiddenColumn(3));
}

TEST(ExGridColumnStates, BadTextsChangeNothing)
{
    struct Case {
        const char* text;
        bool raises;
    };
    for (const Case& k : {Case{"no hash", false}, Case{"x#1,2#0,1#1,1", true}, Case{"3#64,64#0,1,2#1,1,1", true},
                          Case{"2#64,a#0,1#1,1", true}, Case{"2#64,64#0,1#1", true}}) {
        TExStringGrid grid;
        Columns(grid, 3);
        grid.SetColWidths(1, 99);
        const QString before = grid.ColumnStatesToString();
        if (k.raises)
            EXPECT_THROW(grid.StringToColumnStates(k.text), Exception) << k.text;
        else
            grid.StringToColumnStates(k.text);
        EXPECT_EQ(grid.ColumnStatesToString(), before) << k.text;
    }
}

TEST(ExGridColumnSizes, IniAndRegistryHoldColAndPosEntries)
{
    ConfigFolder config;
    for (TColumnSizeLocation where : {clIniFile, clRegistry}) {
        TExStringGrid grid;
        Columns(grid, 3);
        grid.ColumnSize()->SetLocation(where);
        grid.ColumnSize()->SetKey(where == clIniFile ? "layout.ini" : "Software\\..\\Gateway\\Grid");
        grid.ColumnSize()->SetSection("Table");
        grid.SetColWidths(2, 120);
        grid.MoveColumn(0, 1);
        grid.SaveColSizes();
        grid.SaveColPositions();
        const QString file = where == clIniFile ? platform::UserConfigFolder() + "/layout.ini"
                                                : platform::UserConfigFolder() + "/registry/Software/Gateway/Grid.ini";
        const QString text = filestest::FileText(file);
        EXPECT_TRUE(text.startsWith("[Table]\r\nCol0=64\r\nCol1=64\r\nCol2=120\r\nPos0=1\r\nPos1=0\r\nPos2=2\r\n")) << text.toStdString();

        TExStringGrid next;
        Columns(next, 3);
        next.ColumnSize()->SetLocation(where);
        next.ColumnSize()->SetKey(grid.ColumnSize()->Key());
        next.ColumnSize()->SetSection("Table");
        next.LoadColSizes();
        next.LoadColPositions();
        EXPECT_EQ(next.ColWidths(2), 120);
        EXPECT_EQ(Headers(next), Headers(grid));
    }
}

TEST(ExGridColumnSizes, MissingEntriesKeepWidthsAndCreateTheFile)
{
    ConfigFolder config;
    TExStringGrid grid;
    Columns(grid, 2);
    grid.SetColWidths(1, 77);
    grid.ColumnSize()->SetLocation(clIniFile);
    const QString path = testsupport::TestFolder() + "/absent.ini";
    grid.ColumnSize()->SetKey(path);
    grid.ColumnSize()->SetSection("S");
    grid.LoadColSizes();
    EXPECT_EQ(grid.ColWidths(0), 64);
    EXPECT_EQ(grid.ColWidths(1), 77);
    EXPECT_TRUE(QFile::exists(path));
}

TEST(ExGridColumnSizes, SaveSwitchSavesOnDestroyAndLoadsOnFirstShowing)
{
    ConfigFolder config;
    auto setUp = [](TExStringGrid& grid) {
        grid.ColumnSize()->SetSave(true);
        grid.ColumnSize()->SetKey("Gateway\\Columns");
        grid.ColumnSize()->SetSection("Main");
    };
    {
        TExStringGrid grid;
        setUp(grid);
        grid.SetColWidths(3, 111);
    }
    QWidget window;
    auto* grid = new TExStringGrid(&window);
    setUp(*grid);
    EXPECT_EQ(grid->ColWidths(3), 64);
    window.show();
    EXPECT_EQ(grid->ColWidths(3), 111);
}

TEST(ExGridIniFile, SectionsAndNamesWithoutCaseAndEncodings)
{
    const QString path = testsupport::WriteTestFile("a.ini", "[One]\r\nKey=1\r\nBad=x\r\n[two]\r\nName=v\r\n");
    TMemIniFile ini(path);
    EXPECT_EQ(ini.ReadInteger("ONE", "key", 0), 1);
    EXPECT_EQ(ini.ReadInteger("One", "Bad", 7), 7) << "a bad integer reads as the default";
    EXPECT_EQ(ini.ReadString("Two", "NAME", ""), "v");
    ini.WriteString("two", "Extra", "caf\u00e9");
    ini.UpdateFile();
    EXPECT_EQ(filestest::FileBytes(path), QByteArray("[One]\r\nKey=1\r\nBad=x\r\n\r\n[two]\r\nName=v\r\nExtra=caf\xe9\r\n\r\n"));
    ini.WriteString("One", "Wide", "\u4e2d");
    ini.UpdateFile();
    EXPECT_TRUE(filestest::FileBytes(path).startsWith("\xEF\xBB\xBF[One]")) << "outside 1252 the file is UTF-8";
    TMemIniFile again(path);
    EXPECT_EQ(again.ReadString("one", "wide", ""), "\u4e2d");
    EXPECT_EQ(TRegistryIniFile::KeyFile("..\\..\\x\\.\\y"), platform::UserConfigFolder() + "/registry/x/y.ini");
}

TEST(ExGridVisualProps, SavedLoadedAndSavedAgainGiveEqualBytes)
{
    TExStringGrid grid;
    grid.SetSelectionColor(0x00FF00);
    grid.SetLook(glVista);
    grid.FixedFont()->SetStyle(fsBold | fsUnderline);
    const QString first = testsupport::TestFolder() + "/v1.txt";
    const QString second = testsupport::TestFolder() + "/v2.txt";
    grid.SaveVisualProps(first);
    TExStringGrid fresh;
    fresh.LoadVisualProps(first);
    fresh.SaveVisualProps(second);
    EXPECT_EQ(filestest::FileBytes(first), filestest::FileBytes(second));
    EXPECT_TRUE(filestest::FileText(first).contains("\r\nLook=glVista\r\n"));
    EXPECT_TRUE(filestest::FileText(first).contains("\r\nFixedFont.Style=fsBold,fsUnderline\r\n"));
}

TEST(ExGridVisualProps, EmptyValuesAndBadFiles)
{
    TExStringGrid grid;
    grid.SetLook(glSoft);
    const QString path = testsupport::TestFolder() + "/v.txt";
    grid.SaveVisualProps(path);
    QString text = filestest::FileText(path);
    text.replace(QRegularExpression("\r\nColor=[^\r]*"), "\r\nColor=").replace("Look=glSoft", "Look=");
    text.replace(QRegularExpression("^Color=[^\r]*"), "Color=");
    const QString edited = testsupport::WriteTestFile("edited.txt", text.toLatin1());
    TExStringGrid target;
    target.SetLook(glXP);
    target.LoadVisualProps(edited);
    EXPECT_EQ(target.Color(), clNone);
    EXPECT_EQ(target.Look(), glXP) << "an empty look leaves the look";
    EXPECT_THROW(target.LoadVisualProps(testsupport::TestFolder() + "/none.txt"), Exception);
    const QString noSize = testsupport::WriteTestFile("nosize.txt", "Color=clRed\r\n");
    EXPECT_THROW(target.LoadVisualProps(noSize), EConvertError);
    EXPECT_EQ(target.Color(), clRed) << "what came before the failing key stays";
}
