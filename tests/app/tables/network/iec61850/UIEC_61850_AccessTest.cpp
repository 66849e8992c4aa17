// The IEC 61850 client window: byte placement, row checks, the catalog, the
// tree and the file round trip, opened directly under the modal seams.

#include "app/shell/buttons/LbButton.h"
#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/tables/network/iec61850/UIEC_61850_Access.h"
#include "app/tables/network/iec61850/UIEC_Client_Decode.h"
#include "grid/cells/columns/ExColumnGrid.h"
#include "grid/foundation/cellstore/BaseGrid.h"
#include "grid/foundation/pagecontrol/ExPageControl.h"
#include "platform/ui/controls/ListBox.h"
#include "platform/ui/window/ModalSeams.h"
#include "platform/ui/controls/TreeView.h"
#include "tests/support/TempExeFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString Fixture = QStringLiteral(CONFIGURATOR_FIXTURES "/iec/IED1.icd");

class IecAccess : public ::testing::Test {
protected:
    void SetUp() override
    {
        Load_Default_Texts();
        Path_Project = testsupport::TestFolder() + "/PROJECTS/Plant";
        QDir().mkpath(Path_Project);
        File_IEC_61850_Client = Path_Project + "/IEC_61850_Client.xml";
        seams = std::make_unique<platform::ModalSeams>();
        form.reset(platform::CreateForm<TFIEC_61850_Access>());
    }

    static void Write(const QString& path, const QByteArray& text)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    static QString Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    // Shows the window; `work` runs while it is open. `boxesAtShow` boxes
    // shown while it opens are answered OK.
    TModalResult Open(const std::function<void()>& work, int boxesAtShow = 0)
    {
        seams->HandleModal(*form, [&] {
            work();
            if (form->IsModalShowing())
                form->Btn_Cancel->Click();
        });
        for (int i = 0; i < boxesAtShow; ++i)
            seams->AnswerMessage(mrOk);
        return form->ShowModal();
    }

    // Adds the fixture (or `path`) as a device through the open dialog,
    // answering the boxes it shows.
    void AddDevice(const QString& path = Fixture, const QList<TModalResult>& answers = {})
    {
        seams->ChooseFile(path);
        for (TModalResult answer : answers)
            seams->AnswerMessage(answer);
        form->Btn_Add_IEC_DeviceClick(nullptr);
    }

    // Selects the tree node whose object has this reference or name.
    void Pick(int device, const std::function<bool(QTreeWidgetItem*)>& match)
    {
        form->LB_IEC_Devices->SetItemIndex(device);
        form->LB_IEC_DevicesClick(nullptr);
        QTreeWidgetItemIterator it(form->TV_IEC_Device);
        for (; *it; ++it)
            if (match(*it))
                break;
        ASSERT_TRUE(*it);
        form->TV_IEC_Device->SetSelected(*it);
        form->TV_IEC_DeviceClick(nullptr);
    }
    void PickAttribute(int device, const QString& reference)
    {
        Pick(device, [&](QTreeWidgetItem* n) {
            auto* da = dynamic_cast<TIEC_DA*>(TTreeView::Data(n));
            return da && da->fReference == reference;
        });
    }
    void PickDataSet(int device, const QString& reference)
    {
        Pick(device, [&](QTreeWidgetItem* n) {
            auto* ds = dynamic_cast<TIEC_DataSet*>(TTreeView::Data(n));
            return ds && ds->fReference == reference;
        });
    }

    void FillRow(int row, const QStringList& cells) // from column 1
    {
        if (form->ACG_DA->RowCount() <= row)
            form->ACG_DA->SetRowCount(row + 1);
        for (int c = 0; c < cells.size(); ++c)
            form->ACG_DA->SetAllCells(c + 1, row, cells[c]);
    }

    std::unique_ptr<platform::ModalSeams> seams;
    std::unique_ptr<TFIEC_61850_Access> form;
};

// A valid row of a type and its bytes; the rest passes every check.
QStringList Row(const QString& type, const QString& start, const QString& count, const QString& position = "10",
                const QString& factor = "none")
{
    return {"0", type, "ST", "IED1LD0/X.a", start, count, "192.168.1.10", "102", "N", "N", "N", "", position, "0",
            "Read", "None", factor, "m"};
}

TEST_F(IecAccess, BytePlacementAndRowChecks)
{
    struct Case {
        QStringList row;
        const char* start;
        const char* count;
        bool readOnly;
        QString message; // empty: passes
    };
    const Case cases[] = {
        {Row("FLOAT32", "7", "9"), "0", "4", true, ""},
        {Row("Timestamp", "", ""), "0", "1", true, ""},
        {Row("VisString255", "200", "100"), "200", "100", false,
         "Error row 1!! Start Byte plus Num Byte must be minor of 255"},
        {Row("VisString255", "255", "1"), "255", "1", false, "Error row 1!! Start Byte must be between 0 and 254"},
        {Row("Octet64", "0", "64"), "0", "64", false, ""},
        {Row("Octet64", "0", "65"), "0", "65", false, "Error row 1!! Num Byte must be between 1 and 64"},
        {Row("INT32", "", "", "1400"), "0", "4", true, "Error row 1!! Position must be between 0 and 1399"},
        {Row("INT32", "", "", "10", "NONE"), "0", "4", true, ""},
        {Row("INT32", "", "", "10", "1,5"), "0", "4", true, ""},
        {Row("INT32", "", "", "10", "1.5"), "0", "4", true, ""},
        {Row("INT32", "", "", "10", "abc"), "0", "4", true, "Error row 1!! Mult. Factor must be a valid Float"},
        {{"0", "", "", "", "", "", "999.1", "-1", "", "", "", "", "9999", "", "", "", "x", ""}, "", "", false, ""},
    };
    Open([&] {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.row.join(',').toStdString());
            FillRow(1, c.row);
            form->Set_Start_Num_Byte();
            EXPECT_EQ(form->ACG_DA->AllCells(5, 1), c.start);
            EXPECT_EQ(form->ACG_DA->AllCells(6, 1), c.count);
            EXPECT_EQ(form->ACG_DA->CellProperties(5, 1)->ReadOnly(), c.readOnly);
            EXPECT_EQ(form->ACG_DA->CellProperties(6, 1)->ReadOnly(), c.readOnly);
            const qsizetype before = seams->Messages().size();
            if (!c.message.isEmpty())
                seams->AnswerMessage(mrOk);
            EXPECT_EQ(form->Controllo_dati(), c.message.isEmpty());
            EXPECT_EQ(seams->Messages().size(), before + (c.message.isEmpty() ? 0 : 1));
            if (!c.message.isEmpty()) {
                EXPECT_EQ(seams->Messages().last(), c.message);
            }
        }
    });
}

TEST_F(IecAccess, CatalogAddAsksAndNeverTakesABadFile)
{
    const QString folder = testsupport::TestFolder() + "/source";
    QDir().mkpath(folder);
    QFile::copy(Fixture, folder + "/IED1.icd");
    Write(folder + "/Bad.icd", "<SCL><IED");
    Open([&] {
        AddDevice(folder + "/IED1.icd");
        ASSERT_EQ(form->List_IEC_Dev.size(), 1u);
        EXPECT_TRUE(QFile::exists(IEC_Catalog_Folder() + "IED1.icd"));

        // The catalog copy differs from the chosen file: No loads the copy.
        Write(folder + "/IED1.icd", Read(Fixture).replace("IED1", "IEDX").toUtf8());
        AddDevice(folder + "/IED1.icd", {mrNo});
        ASSERT_EQ(form->List_IEC_Dev.size(), 2u);
        EXPECT_EQ(form->List_IEC_Dev[1]->fName, "IED1");
        AddDevice(folder + "/IED1.icd", {mrCancel});
        EXPECT_EQ(form->List_IEC_Dev.size(), 2u);

        // A bad file is reported; a good catalog copy of that name stays.
        QFile::copy(Fixture, IEC_Catalog_Folder() + "Bad.icd");
        AddDevice(folder + "/Bad.icd", {mrYes, mrOk});
        EXPECT_EQ(form->List_IEC_Dev.size(), 2u);
        EXPECT_TRUE(seams->Messages().last().startsWith("The SCL file cannot be added: "));
        EXPECT_EQ(Read(IEC_Catalog_Folder() + "Bad.icd"), Read(Fixture));
        EXPECT_EQ(form->LB_IEC_Devices->Items().Count(), 2);
    });
}

TEST_F(IecAccess, RemovingDevicesKeepsIndexesRight)
{
    Open([&] {
        AddDevice();
        AddDevice(Fixture, {mrNo});
        AddDevice(Fixture, {mrNo});
        PickAttribute(1, "IED1LD0/LLN0.Mod.stVal");
        form->Btn_AddVarClick(nullptr);
        PickAttribute(2, "IED1LD0/LLN0.Mod.q");
        form->Btn_AddVarClick(nullptr);
        PickDataSet(2, "IED1LD0/LLN0.DS1");
        form->Btn_AddVarClick(nullptr);
        EXPECT_EQ(form->ACG_DA->AllCells(1, 1), "1");

        form->LB_IEC_Devices->SetItemIndex(0);
        form->Btn_Remove_IEC_DeviceClick(nullptr);
        ASSERT_EQ(form->List_IEC_Dev.size(), 2u);
        EXPECT_EQ(form->ACG_DA->AllCells(1, 1), "0");
        EXPECT_EQ(form->ACG_DA->AllCells(1, 2), "1");
        EXPECT_EQ(form->ACG_DataSet->AllCells(1, 1), "1");

        // Device 1 is used by the data set row only: it stays, and says so.
        form->PC_DA_DataSet->SetActivePage(form->TS_DA);
        form->ACG_DA->SetRow(2);
        form->Btn_RemoveVarClick(nullptr);
        seams->AnswerMessage(mrOk);
        form->LB_IEC_Devices->SetItemIndex(1);
        form->Btn_Remove_IEC_DeviceClick(nullptr);
        EXPECT_EQ(form->List_IEC_Dev.size(), 2u);
        EXPECT_EQ(seams->Messages().last(), "The IEC device is used by rows of the tables and cannot be removed");
    });
}

TEST_F(IecAccess, TreeColoursAndWhatSelects)
{
    Open([&] {
        AddDevice();
        form->LB_IEC_Devices->SetItemIndex(0);
        form->LB_IEC_DevicesClick(nullptr);
        int objects = 0, sets = 0;
        for (QTreeWidgetItemIterator it(form->TV_IEC_Device); *it; ++it) {
            const int image = TTreeView::ImageIndex(*it);
            const TColor expected = image == 3 ? 0xFF0000 : image == 5 ? 0x008000 : clBlack;
            EXPECT_EQ(TTreeView::NodeColor(*it), expected) << (*it)->text(0).toStdString();
            objects += image == 3;
            sets += image == 5;
        }
        EXPECT_GT(objects, 0);
        EXPECT_EQ(sets, 2); // DS3 stands in a node without lnType
        // A structure selects nothing; a leaf does.
        PickAttribute(0, "IED1LD0/MMXU1.TotW.mag");
        EXPECT_EQ(form->Selected_IEC_DA, nullptr);
        form->Btn_AddVarClick(nullptr);
        EXPECT_EQ(form->ACG_DA->AllCells(1, 1), "");
        PickAttribute(0, "IED1LD0/MMXU1.TotW.mag.f");
        ASSERT_NE(form->Selected_IEC_DA, nullptr);
        form->Btn_AddVarClick(nullptr);
        EXPECT_EQ(form->ACG_DA->AllCells(4, 1), "IED1LD0/MMXU1.TotW.mag.f");
        EXPECT_EQ(form->ACG_DA->AllCells(3, 1), "MX");
        EXPECT_EQ(form->ACG_DA->AllCells(5, 1), "0");
        EXPECT_EQ(form->ACG_DA->AllCells(6, 1), "4");
    });
}

TEST_F(IecAccess, MemberEditsGoToTheShownDataSetOnly)
{
    Open([&] {
        AddDevice();
        PickDataSet(0, "IED1LD0/LLN0.DS1");
        form->Btn_AddVarClick(nullptr);
        PickDataSet(0, "IED1LD0/LLN0.DS2");
        form->Btn_AddVarClick(nullptr);
        EXPECT_EQ(form->ACG_DataSet->AllCells(3, 1), "GC1");
        EXPECT_EQ(form->ACG_DataSet->AllCells(4, 1), "Y");
        EXPECT_EQ(form->ACG_DataSet->AllCells(4, 2), "N");

        form->ACG_DataSet->SetRow(1);
        form->Show_DataSet_DAs();
        EXPECT_EQ(form->ACG_DS_Vars->RowCount(), 3);
        form->ACG_DS_Vars->SetAllCells(3, 2, "12");
        form->ACG_DS_VarsEditCellDone(form->ACG_DS_Vars, 3, 2);
        EXPECT_EQ(form->List_DataSet[0]->List_DAs[1]->Position, "12");
        // Moving in the data set grid without showing another set, or a row
        // beyond the members, writes nowhere.
        form->ACG_DataSet->SetRow(2);
        form->ACG_DS_VarsEditCellDone(form->ACG_DS_Vars, 3, 2);
        form->ACG_DS_VarsEditCellDone(form->ACG_DS_Vars, 3, 5);
        EXPECT_TRUE(form->List_DataSet[1]->List_DAs.empty());

        // Removing the shown row refreshes the members grid.
        form->ACG_DataSet->SetRow(1);
        form->Btn_RemoveVarClick(nullptr);
        EXPECT_EQ(form->List_DataSet.size(), 1u);
        EXPECT_EQ(form->ACG_DataSet->AllCells(2, 1), "IED1LD0/LLN0.DS2");
        EXPECT_EQ(form->ACG_DS_Vars->RowCount(), 2);
        EXPECT_EQ(form->ACG_DS_Vars->AllCells(2, 1), "");
        EXPECT_EQ(form->DataSet_Row_Select, 0);
    });
}

TEST_F(IecAccess, SaveAndShowKeepVariablesDataSetsAndMembers)
{
    EXPECT_EQ(Open([&] {
                  AddDevice();
                  form->Btn_OKClick(nullptr);
              }),
              mrOk);
    EXPECT_TRUE(Read(File_IEC_61850_Client).contains("<List_DA_Selected />")
                || Read(File_IEC_61850_Client).contains("<List_DA_Selected/>"));
    EXPECT_TRUE(Read(File_IEC_61850_Client).contains("SW_VERSION = 1.000"));

    EXPECT_EQ(Open([&] {
                  PickAttribute(0, "IED1LD0/LLN0.Mod.stVal");
                  form->Btn_AddVarClick(nullptr);
                  FillRow(1, Row("INT32", "0", "4"));
                  form->ACG_DA->SetAllCells(1, 1, "0");
                  PickDataSet(0, "IED1LD0/LLN0.DS1");
                  form->Btn_AddVarClick(nullptr);
                  form->ACG_DataSet->SetRow(1);
                  form->Show_DataSet_DAs();
                  form->ACG_DS_Vars->SetAllCells(7, 1, "breaker");
                  form->ACG_DS_VarsEditCellDone(form->ACG_DS_Vars, 7, 1);
                  form->Btn_OKClick(nullptr);
              }),
              mrOk);
    const QString saved = Read(File_IEC_61850_Client);

    EXPECT_EQ(Open([&] {
                  ASSERT_EQ(form->List_IEC_Dev.size(), 1u);
                  EXPECT_EQ(form->ACG_DA->AllCells(4, 1), "IED1LD0/X.a");
                  EXPECT_EQ(form->ACG_DA->AllCells(7, 1), "192.168.1.10");
                  ASSERT_EQ(form->List_DataSet.size(), 1u);
                  ASSERT_EQ(form->List_DataSet[0]->List_DAs.size(), 2u);
                  EXPECT_EQ(form->List_DataSet[0]->List_DAs[0]->Mnemonic, "breaker");
                  form->Btn_OKClick(nullptr);
              }),
              mrOk);
    EXPECT_EQ(Read(File_IEC_61850_Client), saved);
    EXPECT_TRUE(saved.startsWith("<IEC_68850_Client>"));
}

TEST_F(IecAccess, MissingCatalogFileKeepsItsPlace)
{
    QDir().mkpath(IEC_Catalog_Folder());
    QFile::copy(Fixture, IEC_Catalog_Folder() + "IED1.icd");
    Write(File_IEC_61850_Client,
          "<IEC_68850_Client><List_ICD_Files><ICD_File Name=\"GONE\" FileName=\"Gone.icd\"/>"
          "<ICD_File Name=\"UP\" FileName=\"../IED1.icd\"/><ICD_File Name=\"IED1\" FileName=\"IED1.icd\"/>"
          "</List_ICD_Files><List_DA_Selected/><List_DataSet_Selected>"
          "<DataSet_Item Index=\"2\" Reference=\"IED1LD0/LLN0.DS1\" GooseName=\"GC1\" EnGoose=\"Y\" IPAddress=\"\" "
          "Port=\"\" Time=\"\" Mnemonic=\"\"><DataSet_List_DAs>"
          "<DataSet_DA_Item bType=\"Dbpos\" Reference=\"IED1LD0/Q0XCBR1.Pos.stVal\" Position=\"3\" StartBit=\"\" "
          "Convertion=\"\" MoltFact=\"\" Mnemonic=\"\"/>"
          "<DataSet_DA_Item bType=\"Struct\" Reference=\"wrong\" Position=\"4\" StartBit=\"\" Convertion=\"\" "
          "MoltFact=\"\" Mnemonic=\"\"/></DataSet_List_DAs></DataSet_Item>"
          "<DataSet_Item Index=\"0\" Reference=\"IED1LD0/LLN0.DS1\"/><DataSet_Item Index=\"7\" "
          "Reference=\"IED1LD0/LLN0.DS1\"/></List_DataSet_Selected></IEC_68850_Client>");
    Open([&] {
        ASSERT_EQ(form->List_IEC_Dev.size(), 3u);
        EXPECT_TRUE(form->List_IEC_Dev[0]->List_LDevice.empty());
        EXPECT_EQ(form->List_IEC_Dev[0]->fName, "GONE");
        EXPECT_TRUE(form->List_IEC_Dev[1]->List_LDevice.empty());
        ASSERT_EQ(form->List_DataSet.size(), 3u);
        ASSERT_NE(form->List_DataSet[0]->Select_DataSet, nullptr);
        ASSERT_EQ(form->List_DataSet[0]->List_DAs.size(), 1u);
        EXPECT_EQ(form->List_DataSet[0]->List_DAs[0]->Position, "3");
        EXPECT_EQ(form->List_DataSet[1]->Select_DataSet, nullptr);
        EXPECT_EQ(form->List_DataSet[2]->Select_DataSet, nullptr);
        form->Btn_OKClick(nullptr);
    }, 1);
    ASSERT_EQ(seams->Messages().size(), 1u);
    EXPECT_TRUE(seams->Messages()[0].contains("Gone.icd"));
    EXPECT_TRUE(seams->Messages()[0].contains("../IED1.icd"));
    EXPECT_TRUE(Read(File_IEC_61850_Client).contains("FileName=\"Gone.icd\""));
}

} // namespace
