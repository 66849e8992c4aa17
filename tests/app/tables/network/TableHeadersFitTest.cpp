// Every column header of every table editor fits its column on one line. The
// header row paints in Tahoma bold of 8 points, the face the columns were
// sized for; a wider face wraps "On Change" in its 70-pixel column and cuts
// off the second line.

#include "tests/app/shell/ShellWindowsFixture.h"

#include "app/shell/buttons/LbButton.h"
#include "app/tables/network/UNetworkTablesStart.h"
#include "app/tables/network/bacnet/UBACnetAccess.h"
#include "app/tables/network/bacnet/UBACnetSlaveSetAccess.h"
#include "app/tables/network/bacnet/UImportEDEFile.h"
#include "app/tables/network/iec61850/UIEC61850_Variables.h"
#include "app/tables/network/iec61850/UIEC_61850_Access.h"
#include "app/tables/network/s7/US7_Protocol_Set_Access.h"
#include "app/tables/network/snmp/USNMPManagerAccess.h"
#include "app/tables/network/lorawan/ULoRa_Set_Access.h"
#include "app/tables/network/snmp/USNMP_Trap_Access.h"
#include "grid/cells/columns/ExColumnGrid.h"
#include "grid/foundation/pagecontrol/ExPageControl.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/Font.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QImage>

namespace {

class TableHeaders : public testsupport::ShellWindows {
protected:
    void SetUp() override
    {
        Start();
        Create_Network_Table_Windows();
        OpenConfiguration(QStringLiteral("Plant"));
        // every optional column shown: variable FPort, devices by IP address
        QFile file(File_ParGen);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<Par_Gen><LoRa_Payload_Size>51</LoRa_Payload_Size><LoRa_FPort>Variable</LoRa_FPort>"
                   "<BACnet_Master_Type>0</BACnet_Master_Type></Par_Gen>");
    }
    void TearDown() override
    {
        Clear_Window_Registry();
        Destroy_Network_Table_Windows();
        ShellWindows::TearDown();
    }

    // The font the header cell of display column c paints with.
    static void HeaderFont(TExColumnGrid* grid, int c, TFont& font)
    {
        TGridDrawState state;
        TBrush brush;
        TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
        TAlignment ha = taLeftJustify;
        TVAlignment va = vtaTop;
        bool wordWrap = false;
        TCellGradientDirection gradient = GradientVertical;
        grid->GetVisualProperties(c, 0, state, false, false, true, &brush, colorTo, mirror, mirrorTo, &font, ha, va,
                                  wordWrap, gradient);
    }

    // Measures the header of every shown column in its own font against the
    // room the cell leaves for text: the column less its grid line and the
    // text offset on each side.
    static void ExpectHeadersFit(TExColumnGrid* grid, const QString& window)
    {
        ASSERT_GT(grid->ColCount(), 1) << window.toStdString();
        QImage surface(1, 1, QImage::Format_ARGB32_Premultiplied);
        TCanvas canvas(&surface);
        int measured = 0;
        for (int c = 0; c < grid->ColCount(); ++c) {
            if (grid->ColWidths(c) <= 0)
                continue;
            const QString header = grid->AllCells(grid->DisplayToRealCol(c), 0);
            const std::string where = (window + "." + grid->Name() + " \"" + header + "\"").toStdString();
            TFont font;
            HeaderFont(grid, c, font);
            EXPECT_EQ(font.Name().toStdString(), "Tahoma") << where;
            EXPECT_EQ(font.Size(), 8) << where;
            EXPECT_TRUE(font.Style().testFlag(fsBold)) << where;
            EXPECT_EQ(QFontInfo(font.ToQFont()).family().toStdString(), "Tahoma") << where;
            canvas.SetFont(font);
            const int room = grid->ColWidths(c) - grid->GridLineWidth() - 2 * grid->XYOffset().X;
            EXPECT_LE(canvas.TextWidth(header), room) << where;
            ++measured;
        }
        EXPECT_GT(measured, 1) << window.toStdString();
    }

    // Shows a window through the program's registry and checks the grids of
    // each page of its page control in turn, a picture of every page taken.
    // A window without page control has its one page.
    void CheckWindow(TForm& form, const QString& name, TExPageControl* pages,
                     const std::function<QList<TExColumnGrid*>(int page)>& gridsOf)
    {
        seams->HandleModal(form, [&] {
            for (int page = 0; page < (pages ? pages->PageCount() : 1); ++page) {
                if (pages)
                    pages->SetActivePageIndex(page);
                QApplication::processEvents();
                for (TExColumnGrid* grid : gridsOf(page))
                    ExpectHeadersFit(grid, name);
                platform::SaveScreenshot(form, QStringLiteral("headers_%1_%2").arg(name).arg(page));
            }
            form.SetModalResult(mrCancel);
        });
        EXPECT_EQ(Show_Window(name), mrCancel);
        EXPECT_EQ(seams->Messages(), QStringList()) << name.toStdString();
    }

    void CheckTableEditor(TableEditorFrame& editor, const QString& name)
    {
        CheckWindow(editor, name, editor.PageControl, [&](int page) { return QList{editor.Grid(page)}; });
    }
};

TEST_F(TableHeaders, LoRaWANHeadersFitOnOneLine)
{
    CheckTableEditor(*FLoRa_Set_Access, QStringLiteral("FLoRa_Set_Access"));
    // the column of the report: 70 pixels for "On Change"
    EXPECT_EQ(FLoRa_Set_Access->Grid(0)->ColWidths(4), 70);
    EXPECT_EQ(FLoRa_Set_Access->Grid(0)->AllCells(4, 0), "On Change");
}

TEST_F(TableHeaders, SNMPHeadersFitOnOneLine)
{
    CheckTableEditor(*FSNMP_Trap_Access, QStringLiteral("FSNMP_Trap_Access"));
}

TEST_F(TableHeaders, BACnetClientAndServerHeadersFitOnOneLine)
{
    CheckTableEditor(*FBACnetAccess, QStringLiteral("FBACnetAccess"));
    CheckTableEditor(*FBACnetSlaveSetAccess, QStringLiteral("FBACnetSlaveSetAccess"));
}

TEST_F(TableHeaders, SNMPManagerS7AndIEC61850ServerHeadersFitOnOneLine)
{
    CheckTableEditor(*FSNMPManagerAccess, QStringLiteral("FSNMPManagerAccess"));
    CheckTableEditor(*FS7_Protocol_Set_Access, QStringLiteral("FS7_Protocol_Set_Access"));
    CheckTableEditor(*FIEC61850_Variables, QStringLiteral("FIEC61850_Variables"));
}

TEST_F(TableHeaders, IEC61850HeadersFitOnOneLine)
{
    TFIEC_61850_Access& editor = *FIEC_61850_Access;
    CheckWindow(editor, QStringLiteral("FIEC_61850_Access"), editor.PC_DA_DataSet, [&](int page) {
        return page == 0 ? QList{editor.ACG_DA} : QList{editor.ACG_DataSet, editor.ACG_DS_Vars};
    });
}

// The import dialog shows the rows of a device file; its headers are set at
// creation and fit whatever the file holds.
TEST_F(TableHeaders, EDEImportHeadersFitOnOneLine)
{
    ExpectHeadersFit(FImportEDEFile->ACG, QStringLiteral("FImportEDEFile"));
}

// The data cells keep the grid's own font: Verdana, which has no face of
// its widths here and shows in DejaVu Sans; the BACnet client's cells are
// Tahoma.
TEST_F(TableHeaders, DataCellsTakeTheGridFont)
{
    const std::pair<TExColumnGrid*, const char*> grids[] = {
        {FLoRa_Set_Access->Grid(0), "DejaVu Sans"},
        {FSNMP_Trap_Access->Grid(1), "DejaVu Sans"},
        {FBACnetAccess->Grid(0), "Tahoma"},
        {FIEC_61850_Access->ACG_DA, "DejaVu Sans"},
        {FSNMPManagerAccess->ACG_SNMP(), "DejaVu Sans"},
        {FS7_Protocol_Set_Access->ACG_S7_Write(), "DejaVu Sans"},
        {FIEC61850_Variables->ACG(), "DejaVu Sans"},
    };
    for (const auto& [grid, family] : grids) {
        const TFont* font = grid->Columns()->Items(2)->Font();
        EXPECT_EQ(font->Size(), 8) << grid->Name().toStdString();
        EXPECT_FALSE(font->Style().testFlag(fsBold)) << grid->Name().toStdString();
        EXPECT_EQ(QFontInfo(font->ToQFont()).family().toStdString(), family) << grid->Name().toStdString();
        EXPECT_EQ(grid->ActiveCellFont()->Name().toStdString(), "Tahoma");
        EXPECT_TRUE(grid->ActiveCellFont()->Style().testFlag(fsBold));
    }
}

} // namespace
