// The frame's rules as each of the SNMP manager, S7 and IEC 61850 server
// editors keeps them: rows below the first empty key go only after the
// question, a file longer than the table is cut with a warning, and an
// unreadable file is reported and replaced only after the question.

#include "app/tables/network/iec61850/UIEC61850_Variables.h"
#include "app/tables/network/s7/US7_Protocol_Set_Access.h"
#include "app/tables/network/snmp/USNMPManagerAccess.h"
#include "tests/app/tables/common/TableEditorFixture.h"

#include <ostream>

namespace {

struct EditorFile {
    const char* name;
    std::function<TableEditorFrame*()> make; // sets the file path, then creates the editor
    QString* path;
    int rows;              // data rows of the first table
    QStringList validRow;  // from column 1
    QString keyAttribute;
    QString open, close;   // around the rows of the first table in a file
};

void PrintTo(const EditorFile& editor, std::ostream* os)
{
    *os << editor.name;
}

const std::vector<EditorFile>& Editors()
{
    static const std::vector<EditorFile> editors = {
        {"SNMPManager",
         [] {
             File_SNMP_Manager = Path_Project + "/SNMP_Manager.xml";
             return platform::CreateForm<TFSNMPManagerAccess>();
         },
         &File_SNMP_Manager, 512,
         {"Y", "10.0.0.1", "2", "public", "1.3.6.1", "Int", "Get", "N", "N", "N", "", "0", "4", "None", "N", "", "",
          "", "", "", "", "m"},
         "IP_Address", "<SNMP_Manager_Access>", "</SNMP_Manager_Access>"},
        {"S7",
         [] {
             File_S7_Protocol = Path_Project + "/S7_Protocol.xml";
             return platform::CreateForm<TFS7_Protocol_Set_Access>();
         },
         &File_S7_Protocol, 512,
         {"Y", "192.168.0.10", "102", "S71200", "0", "1", "Int", "DB", "1", "Inputs (I)", "0", "0", "1000", "0", "0",
          "N", "N", "r"},
         "PLC_Address", "<S7_Protocol><S7_Protocol_Read>", "</S7_Protocol_Read><S7_Protocol_Write/></S7_Protocol>"},
        {"IEC61850Variables",
         [] {
             File_IEC61850_Variables = Path_Project + "/IEC61850_Variables.xml";
             return platform::CreateForm<TFIEC61850_Variables>();
         },
         &File_IEC61850_Variables, 50, {"Y", "Temp", "Int", "4", "N", "0", "", "None", "None", "N", "N", "t"}, "Name",
         "<IEC61850_Variables>", "</IEC61850_Variables>"},
    };
    return editors;
}

class OneFileTableRules : public ::testing::TestWithParam<EditorFile> {
protected:
    void SetUp() override
    {
        Load_Default_Texts();
        Path_Project = testsupport::TestFolder() + "/PROJECTS/Plant";
        QDir().mkpath(Path_Project);
        seams = std::make_unique<platform::ModalSeams>();
        editor.reset(GetParam().make());
    }

    QString Path() const { return *GetParam().path; }
    TExColumnGrid* Grid() const { return editor->Grid(0); }

    TModalResult Open(const std::function<void()>& work, int boxesAtShow = 0)
    {
        seams->HandleModal(*editor, [&] {
            work();
            if (editor->IsModalShowing())
                editor->Btn_Cancel->Click();
        });
        for (int i = 0; i < boxesAtShow; ++i)
            seams->AnswerMessage(mrOk);
        return editor->ShowModal();
    }
    void Fill(int row) const
    {
        for (int c = 0; c < GetParam().validRow.size(); ++c)
            Grid()->SetAllCells(c + 1, row, GetParam().validRow[c]);
    }
    // A file of `count` rows whose keys are "1", "2", ...
    QString FileOf(int count) const
    {
        QString rows;
        for (int i = 1; i <= count; ++i)
            rows += QStringLiteral("<row Enable=\"N\" %1=\"%2\"/>").arg(GetParam().keyAttribute).arg(i);
        return GetParam().open + rows + GetParam().close;
    }
    static QString Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    static void Write(const QString& path, const QString& text)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }

    std::unique_ptr<platform::ModalSeams> seams;
    std::unique_ptr<TableEditorFrame> editor;
};

TEST_P(OneFileTableRules, RowsBelowTheFirstEmptyKeyGoOnlyAfterTheQuestion)
{
    const auto fillOneAndThree = [&] {
        Fill(1);
        Fill(3);
    };
    EXPECT_EQ(Open([&] {
                  fillOneAndThree();
                  seams->AnswerMessage(mrNo);
                  editor->Btn_OK->Click();
              }),
              mrCancel);
    EXPECT_EQ(seams->Messages(), QStringList{Lang_Texts[1107]});
    EXPECT_FALSE(QFile::exists(Path()));

    EXPECT_EQ(Open([&] {
                  fillOneAndThree();
                  seams->AnswerMessage(mrYes);
                  editor->Btn_OK->Click();
              }),
              mrOk);
    Open([&] {
        EXPECT_EQ(editor->UsedRows(0), 1);
        EXPECT_EQ(Grid()->AllCells(2, 3), "");
    });
}

TEST_P(OneFileTableRules, AFileLongerThanTheTableIsCutWithAWarning)
{
    const int rows = GetParam().rows;
    Write(Path(), FileOf(rows));
    EXPECT_EQ(Open([&] { editor->Btn_OK->Click(); }), mrOk);
    EXPECT_EQ(seams->Messages(), QStringList());

    Write(Path(), FileOf(rows + 1));
    EXPECT_EQ(Open([&] {
                  EXPECT_EQ(Grid()->AllCells(2, rows), QString::number(rows));
                  EXPECT_EQ(editor->UsedRows(0), rows);
                  editor->Btn_OK->Click();
              },
                   1),
              mrOk);
    EXPECT_EQ(seams->Messages(), QStringList{Lang_Texts[1256]});
    const QString written = Read(Path());
    EXPECT_EQ(written.count("<row "), rows);
    EXPECT_TRUE(written.contains(QStringLiteral("%1=\"%2\"").arg(GetParam().keyAttribute).arg(rows)));
    EXPECT_FALSE(written.contains(QStringLiteral("%1=\"%2\"").arg(GetParam().keyAttribute).arg(rows + 1)));
}

TEST_P(OneFileTableRules, AnUnreadableFileIsReportedAndReplacedOnlyAfterTheQuestion)
{
    Write(Path(), "<" + GetParam().keyAttribute + "><row");
    const QString broken = Read(Path());
    EXPECT_EQ(Open(
                  [&] {
                      Fill(1);
                      seams->AnswerMessage(mrNo);
                      editor->Btn_OK->Click();
                  },
                  1),
              mrCancel);
    ASSERT_EQ(seams->Messages().size(), 2);
    EXPECT_TRUE(seams->Messages()[0].startsWith(Lang_Texts[1108] + Path())) << seams->Messages()[0].toStdString();
    EXPECT_EQ(seams->Messages()[1], Lang_Texts[1109]);
    EXPECT_EQ(Read(Path()), broken);

    EXPECT_EQ(Open(
                  [&] {
                      Fill(1);
                      seams->AnswerMessage(mrYes);
                      editor->Btn_OK->Click();
                  },
                  1),
              mrOk);
    EXPECT_TRUE(Read(Path()).startsWith(GetParam().open + "<row Enable=\"Y\""));
}

TEST_P(OneFileTableRules, DeleteAsksWithTheRowNumberAndNoKeepsTheRow)
{
    Open([&] {
        for (int r = 1; r <= 4; ++r) {
            Fill(r);
            Grid()->SetAllCells(2, r, GetParam().validRow[1] + QString::number(r));
        }
        Grid()->FocusCell(2, 3);
        seams->AnswerMessage(mrNo);
        editor->Btn_DelRow->Click();
        EXPECT_EQ(seams->Messages().last(), "Are you sure to delete the Row number 3");
        EXPECT_EQ(Grid()->AllCells(2, 3), GetParam().validRow[1] + "3");
        seams->AnswerMessage(mrYes);
        editor->Btn_DelRow->Click();
        EXPECT_EQ(Grid()->AllCells(2, 3), GetParam().validRow[1] + "4");
        EXPECT_EQ(Grid()->AllCells(2, 4), "");

        // a row copied in this showing pastes into an empty row
        editor->Btn_CopyRow->Click();
        Grid()->FocusCell(2, 6);
        editor->Btn_PasteRow->Click();
        EXPECT_EQ(Grid()->AllCells(2, 6), GetParam().validRow[1] + "4");
    });
    // the copy is forgotten at the next showing
    Open([&] {
        seams->AnswerMessage(mrOk);
        editor->Btn_PasteRow->Click();
        EXPECT_EQ(seams->Messages().last(), "Error!!! Copy a valid row before Paste it");
    });
}

INSTANTIATE_TEST_SUITE_P(Editors, OneFileTableRules, ::testing::ValuesIn(Editors()),
                         [](const ::testing::TestParamInfo<EditorFile>& info) { return std::string(info.param.name); });

} // namespace
