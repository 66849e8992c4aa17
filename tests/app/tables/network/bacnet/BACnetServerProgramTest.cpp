// The BACnet server table and the EDE export as the program starts them: the
// table opened by name reaches the unit chooser by a double click, and the
// main window's hidden "BACnet EDE File" step writes the file.

#include "tests/app/shell/ShellWindowsFixture.h"

#include "app/shell/buttons/LbButton.h"
#include "app/tables/network/bacnet/UBACnetSlaveSetAccess.h"
#include "app/tables/network/bacnet/UBACnet_Eng_Unit.h"
#include "app/tables/network/UNetworkTablesStart.h"
#include "grid/cells/columns/ExColumnGrid.h"
#include "platform/core/StringList.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/panels/Label.h"

#include <QtTest/QTest>

namespace {

class BACnetServerFromProgram : public testsupport::ShellWindows {
protected:
    void TearDown() override
    {
        Clear_Window_Registry();
        Destroy_Network_Table_Windows();
        ShellWindows::TearDown();
    }
};

TEST_F(BACnetServerFromProgram, TheTableReachesTheChooserAndTheHiddenStepExports)
{
    Start();
    Create_Network_Table_Windows();
    OpenConfiguration(QStringLiteral("Plant"));

    seams->HandleModal(*FBACnetSlaveSetAccess, [&] {
        TExColumnGrid* grid = FBACnetSlaveSetAccess->ACG_BACnet_in_Read();
        const QStringList row{"Analog Input", "", "0", "", "4", "N", "Temp"};
        for (int c = 0; c < row.size(); ++c)
            grid->SetAllCells(c + 1, 1, row[c]);
        seams->HandleModal(*FBACnet_Eng_Unit, [&] {
            EXPECT_EQ(FBACnet_Eng_Unit->Label5->Caption(), "-> unknown");
            FBACnet_Eng_Unit->E_Selected_EU->SetText(QStringLiteral("62"));
            FBACnet_Eng_Unit->Btn_OK->Click();
        });
        const TRect cell = grid->CellRect(2, 1);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                           QPoint((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2));
        EXPECT_EQ(grid->AllCells(2, 1), "62");
        platform::SaveScreenshot(*FBACnetSlaveSetAccess, QStringLiteral("bacnet_server_program"));
        FBACnetSlaveSetAccess->Btn_OK->Click();
    });
    EXPECT_EQ(Show_Window(QStringLiteral("FBACnetSlaveSetAccess")), mrOk);

    seams->ChooseFile(QStringLiteral("out.txt"));
    main->Btn_Click(main->Btn_BACnet_EDE_File);
    EXPECT_EQ(seams->Messages(), QStringList());
    TStringList lines;
    lines.LoadFromFile(Path_Project + QStringLiteral("/out.txt.csv"));
    ASSERT_EQ(lines.Count(), 8);
    EXPECT_EQ(lines[0], "PROJECT_NAME; Telvor--Plant;;;;;;");
    EXPECT_EQ(lines[7], "_Temp_0;;Temp;0;0;Temp;62;");

    // A table file that cannot be read fails the step with its reason.
    QFile file(File_BACnet_Slave_SetAccess);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a table");
    file.close();
    seams->ChooseFile(QStringLiteral("out.txt.csv"));
    seams->AnswerMessage(mrYes);
    seams->AnswerMessage(mrOk);
    main->Btn_Click(main->Btn_BACnet_EDE_File);
    ASSERT_EQ(seams->Messages().size(), 2);
    EXPECT_TRUE(seams->Messages()[1].startsWith(Lang_Texts[1561])) << seams->Messages()[1].toStdString();
    lines.LoadFromFile(Path_Project + QStringLiteral("/out.txt.csv"));
    EXPECT_EQ(lines.Count(), 8) << "the old file stays";
}

} // namespace
