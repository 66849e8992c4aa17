// The LoRaWAN access editor: its FPort modes, its checks, its file and the
// sound behaviours of the editor frame.

#include "tests/app/tables/network/lorawan/LoRaAccessFixture.h"

#include "app/tables/common/GridRowOperations.h"
#include "platform/xml/XmlDocument.h"

#include <QtGui/QMouseEvent>
#include <QtWidgets/QApplication>

namespace {

TEST_F(LoRaAccess, FPortModeSetsEntriesAndColumns)
{
    struct Case {
        const char* fport;
        int rows;
        int upCols;
        int downCols;
    };
    const Case cases[] = {{" variable ", 224, 10, 6}, {"VARIABLE", 224, 10, 6}, {"Fixed", 257, 9, 5}, {"", 257, 9, 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fport);
        WriteParGen("51", c.fport);
        Open([&] {
            EXPECT_EQ(Up()->RowCount(), c.rows);
            EXPECT_EQ(Down()->RowCount(), c.rows);
            EXPECT_EQ(Up()->ColCount(), c.upCols);
            EXPECT_EQ(Down()->ColCount(), c.downCols);
            EXPECT_EQ(Up()->AllCells(0, 1), "0");
            EXPECT_EQ(Up()->AllCells(0, c.rows - 1), QString::number(c.rows - 2));
            EXPECT_EQ(Down()->AllCells(1, c.rows - 1), "Y");
        });
    }
    EXPECT_TRUE(seams->Messages().isEmpty());
}

TEST_F(LoRaAccess, ChecksStopAtTheFirstFaultWithItsMessage)
{
    // Cells from column 1: Enable, StartByte, NumByte, OnChange, OnCMD, OnTimer, Time, FPort.
    struct Case {
        bool uplink;
        QStringList cells;
        QString message; // empty: passes
    };
    const QString up = "!! [LoraWAN Uplink] ";
    const QString down = "!! [LoraWAN Downlink] ";
    const Case cases[] = {
        {true, {"Y", "10", "50", "N", "N", "N", "", "1"}, "Error row 1" + up + "Number Byte must be between 0 and 49"},
        {true, {"Y", "10", "49", "N", "N", "N", "", "1"}, ""},
        {true, {"Y", "2000", "1", "N", "N", "N", "", "1"}, "Error row 1" + up + "Start Byte must be between 0 and 1536"},
        {true, {"Y", "10 ", "1", "N", "N", "N", "", "1"}, "Error row 1" + up + "Start Byte must be between 0 and 1536"},
        {true, {"Y", "10", "1", "N", "N", "Y", "29", "1"}, "Error row 1" + up + "Time (s) must be between 30 and 86400"},
        {true, {"Y", "10", "1", "N", "N", "N", "29", "1"}, ""},
        {true, {"Y", "10", "1", "N", "N", "N", "", "0"}, "Error row 1" + up + "FPort must be between 1 and 223"},
        {true, {" y", "2000", "1", "N", "N", "N", "", "1"}, "Error row 1" + up + "Start Byte must be between 0 and 1536"},
        {true, {"N", "2000", "x", "N", "N", "Y", "1", "0"}, ""},
        {false, {"Y", "-1", "1", "1"}, "Error row 1" + down + "Start Byte must be between 0 and 1536"},
        {false, {"Y", "0", "50", "1"}, "Error row 1" + down + "Number Byte must be between 0 and 49"},
        {false, {"Y", "0", "49", "224"}, "Error row 1" + down + "FPort must be between 1 and 223"},
    };
    WriteParGen("51", "Variable");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cells.join(',').toStdString());
        const int before = int(seams->Messages().size());
        const TModalResult result = Open([&] {
            Fill(c.uplink ? Up() : Down(), 1, c.cells);
            if (!c.message.isEmpty())
                seams->AnswerMessage(mrOk);
            editor->Btn_OK->Click();
        });
        const QStringList shown = seams->Messages().mid(before);
        EXPECT_EQ(result, c.message.isEmpty() ? mrOk : mrCancel);
        EXPECT_EQ(shown, c.message.isEmpty() ? QStringList() : QStringList{c.message});
    }
    // The disabled invalid row was saved as typed.
    platform::XmlDocument doc;
    ASSERT_TRUE(doc.LoadFile(File_LoRaWAN_SetAccess));
    const platform::XmlElement row = doc.Root().Child("LoRaWAN_Uplink").Children().value(0);
    EXPECT_EQ(row.Attribute("StartByte"), "2000");
    EXPECT_EQ(row.Attribute("NumByte"), "x");
}

TEST_F(LoRaAccess, WithoutParametersEnabledRowsFailAgainstMinusTwo)
{
    const TModalResult result = Open([&] {
        Fill(Up(), 1, {"Y", "0", "0"});
        seams->AnswerMessage(mrOk);
        editor->Btn_OK->Click();
    }, 1);
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(seams->Messages(),
              QStringList({Lang_Texts[1242], "Error row 1!! [LoraWAN Uplink] Number Byte must be between 0 and -2"}));
    EXPECT_FALSE(QFile::exists(File_LoRaWAN_SetAccess));
}

TEST_F(LoRaAccess, FreshOkWritesRootCommentAndEmptySections)
{
    WriteParGen("51", "Fixed");
    EXPECT_EQ(Open([&] { editor->Btn_OK->Click(); }), mrOk);
    const QString text = Read(File_LoRaWAN_SetAccess);
    EXPECT_FALSE(text.startsWith("<?xml"));
    platform::XmlDocument doc;
    ASSERT_TRUE(doc.LoadString(text));
    EXPECT_EQ(doc.Root().Name(), "LoRaWAN_Set_Access");
    EXPECT_EQ(doc.Comments(), QStringList({"SW_VERSION = 1.000"}));
    EXPECT_TRUE(text.indexOf("<!--") > text.indexOf("</LoRaWAN_Set_Access>"));
    const QList<platform::XmlElement> sections = doc.Root().Children();
    ASSERT_EQ(sections.size(), 2);
    EXPECT_EQ(sections[0].Name(), "LoRaWAN_Uplink");
    EXPECT_EQ(sections[1].Name(), "LoRaWAN_Downlink");
    EXPECT_TRUE(sections[0].Children().isEmpty());
    EXPECT_TRUE(sections[1].Children().isEmpty());
}

TEST_F(LoRaAccess, SaveThenShowIsExactAndMissingAttributesTakeDefaults)
{
    WriteParGen("51", "Variable");
    const QStringList up1 = {"Y", "10", "4", "Y", "N", "Y", "60", "3", " mixed Case "};
    const QStringList up2 = {"N", " 7", "bad", "N", "Y", "N", "", "", ""};
    const QStringList down1 = {"Y", "100", "2", "5", "down"};
    EXPECT_EQ(Open([&] {
                  Fill(Up(), 1, up1);
                  Fill(Up(), 2, up2);
                  Fill(Down(), 1, down1);
                  editor->Btn_OK->Click();
              }),
              mrOk);
    Open([&] {
        EXPECT_EQ(RowOf(Up(), 1, 10), up1);
        EXPECT_EQ(RowOf(Up(), 2, 10), up2);
        EXPECT_EQ(RowOf(Up(), 3, 10), QStringList({"Y", "", "", "", "", "", "", "", ""}));
        EXPECT_EQ(RowOf(Down(), 1, 6), down1);
    });

    Write(File_LoRaWAN_SetAccess, "<LoRaWAN_Set_Access><LoRaWAN_Uplink><row StartByte=\"5\" Extra=\"1\"/>"
                                  "</LoRaWAN_Uplink></LoRaWAN_Set_Access>");
    Open([&] {
        EXPECT_EQ(RowOf(Up(), 1, 10), QStringList({"Y", "5", "", "N", "N", "N", "", "", ""}));
        EXPECT_EQ(RowOf(Down(), 1, 6), QStringList({"Y", "", "", "", ""}));
    });
}

TEST_F(LoRaAccess, OkAsksBeforeDroppingRowsBelowAnEmptyStartByte)
{
    WriteParGen("51", "Fixed");
    const auto fillWithGap = [&] {
        Fill(Up(), 1, {"Y", "1", "1"});
        Fill(Up(), 3, {"N", "2", "2"});
    };
    EXPECT_EQ(Open([&] {
                  fillWithGap();
                  seams->AnswerMessage(mrNo);
                  editor->Btn_OK->Click();
              }),
              mrCancel);
    EXPECT_EQ(seams->Messages(), QStringList({Lang_Texts[1107]}));
    EXPECT_FALSE(QFile::exists(File_LoRaWAN_SetAccess));

    EXPECT_EQ(Open([&] {
                  fillWithGap();
                  seams->AnswerMessage(mrYes);
                  editor->Btn_OK->Click();
              }),
              mrOk);
    platform::XmlDocument doc;
    ASSERT_TRUE(doc.LoadFile(File_LoRaWAN_SetAccess));
    EXPECT_EQ(doc.Root().Child("LoRaWAN_Uplink").Children().size(), 1);

    // A row used only in its check boxes is not data to lose.
    EXPECT_EQ(Open([&] {
                  Up()->SetAllCells(4, 5, "Y");
                  editor->Btn_OK->Click();
              }),
              mrOk);
    EXPECT_EQ(seams->Messages().size(), 2);
}

TEST_F(LoRaAccess, UnreadableFileIsReportedAndReplacedOnlyAfterAsking)
{
    WriteParGen("51", "Fixed");
    Write(File_LoRaWAN_SetAccess, "<LoRaWAN_Set_Access><LoRaWAN_Uplink>");
    EXPECT_EQ(Open(
                  [&] {
                      seams->AnswerMessage(mrNo);
                      editor->Btn_OK->Click();
                  },
                  1),
              mrCancel);
    ASSERT_EQ(seams->Messages().size(), 2);
    EXPECT_TRUE(seams->Messages()[0].startsWith(Lang_Texts[1108]));
    EXPECT_EQ(seams->Messages()[1], Lang_Texts[1109]);
    EXPECT_EQ(Read(File_LoRaWAN_SetAccess), "<LoRaWAN_Set_Access><LoRaWAN_Uplink>");

    // A declaration and a comment before the root do not empty the table.
    Write(File_LoRaWAN_SetAccess, "<?xml version=\"1.0\"?><!-- hand made --><LoRaWAN_Set_Access><LoRaWAN_Uplink>"
                                  "<row Enable=\"N\" StartByte=\"9\"/></LoRaWAN_Uplink></LoRaWAN_Set_Access>");
    Open([&] { EXPECT_EQ(Up()->AllCells(2, 1), "9"); });
    EXPECT_EQ(seams->Messages().size(), 2);
}

TEST_F(LoRaAccess, MoreRowsThanTheTableWarnAtShow)
{
    QString rows;
    for (int i = 0; i < 256; ++i)
        rows += "<row StartByte=\"" + QString::number(i) + "\"/>";
    Write(File_LoRaWAN_SetAccess, "<LoRaWAN_Set_Access><LoRaWAN_Uplink>" + rows
                                      + "</LoRaWAN_Uplink><LoRaWAN_Downlink/></LoRaWAN_Set_Access>");
    WriteParGen("51", "Fixed");
    Open([&] { EXPECT_EQ(Up()->AllCells(2, 256), "255"); });
    EXPECT_TRUE(seams->Messages().isEmpty());
    WriteParGen("51", "Variable");
    Open([&] { EXPECT_EQ(Up()->AllCells(2, 223), "222"); }, 1);
    EXPECT_EQ(seams->Messages(), QStringList({Lang_Texts[1256]}));
}

TEST_F(LoRaAccess, RowButtonsWorkOnTheActiveGrid)
{
    WriteParGen("51", "Fixed");
    Open([&] {
        Fill(Up(), 5, {"Y", "4"});
        Fill(Up(), 6, {"Y", "5"});
        Up()->FocusCell(2, 5);
        seams->AnswerMessage(mrYes);
        editor->Btn_DelRow->Click();
        EXPECT_EQ(seams->Messages().last(), "Are you sure to delete the Row number 5");
        EXPECT_EQ(Up()->AllCells(2, 5), "5");
        EXPECT_EQ(Up()->AllCells(0, 5), "4");

        // A copy in the uplink grid cannot be pasted into the downlink grid.
        editor->Btn_CopyRow->Click();
        editor->PageControl->SetActivePageIndex(1);
        Down()->FocusCell(2, 1);
        seams->AnswerMessage(mrOk);
        editor->Btn_PasteRow->Click();
        EXPECT_EQ(seams->Messages().last(), Lang_Texts[1102]);
        EXPECT_EQ(Down()->AllCells(2, 1), "");

        editor->PageControl->SetActivePageIndex(0);
        Up()->FocusCell(2, 1);
        editor->Btn_PasteRow->Click();
        EXPECT_EQ(Up()->AllCells(2, 1), "5");
        editor->Btn_InsRow->Click();
        EXPECT_EQ(RowOf(Up(), 1, 4), QStringList({"Y", "", ""}));
        EXPECT_EQ(Up()->AllCells(2, 2), "5");
    });
}

TEST_F(LoRaAccess, HintsAndTextsFollowTheLanguage)
{
    QString hint = "old";
    editor->GridHint(Up(), 0, 2, hint);
    EXPECT_EQ(hint, Lang_Texts[1226]);
    editor->GridHint(Up(), 1, 2, hint);
    EXPECT_EQ(hint, "");
    EXPECT_EQ(Up()->Columns()->Items(9)->Header(), "Mnemonic");
    EXPECT_EQ(editor->Caption(), "Set LoRaWAN Access");
    Lang_Texts.SetStrings(1224, "Memo");
    editor->Set_Lang();
    EXPECT_EQ(Up()->Columns()->Items(9)->Header(), "Memo");
}

// The check-box columns show boxes, checked for "Y" only, without their
// text; a header border dragged with the mouse sizes its column.
TEST_F(LoRaAccess, CheckBoxColumnsShowBoxesAndColumnsSizeByMouse)
{
    WriteParGen("51", "Variable");
    Open([&] {
        Fill(Up(), 1, {"Y", "10", "4", "Y", "N", "Y", "60", "3", "text"});
        Fill(Up(), 2, {"N", "12", "2", "N", "Y", "N", "", "", ""});
        QApplication::processEvents();
        platform::SaveScreenshot(*editor, QStringLiteral("lora_check_columns"));
        QWidget* view = Up()->viewport();
        const auto cellPicture = [&](int c, int r) {
            const TRect cell = Up()->CellRect(c, r);
            return view->grab(QRect(cell.Left, cell.Top, cell.Width() - 1, cell.Height() - 1)).toImage();
        };
        EXPECT_NE(cellPicture(1, 1), cellPicture(1, 2)) << "Y and N draw different boxes";
        EXPECT_EQ(cellPicture(5, 1), cellPicture(5, 3)) << "\"N\" and an empty text draw the same unchecked box";

        const int before = Up()->ColWidths(2);
        const TRect header = Up()->CellRect(2, 0);
        const QPoint border(header.Right, header.Top + 5);
        const auto mouse = [&](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
            const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
            QMouseEvent event(type, at, view->mapToGlobal(at), button, held, Qt::NoModifier);
            QApplication::sendEvent(view, &event);
        };
        mouse(QEvent::MouseMove, border, Qt::NoButton);
        mouse(QEvent::MouseButtonPress, border, Qt::LeftButton);
        mouse(QEvent::MouseMove, border + QPoint(10, 0), Qt::LeftButton);
        mouse(QEvent::MouseMove, border + QPoint(25, 0), Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, border + QPoint(25, 0), Qt::NoButton);
        QApplication::processEvents();
        EXPECT_EQ(Up()->ColWidths(2), before + 25);
        platform::SaveScreenshot(*editor, QStringLiteral("lora_column_sized"));
    });
}

} // namespace
