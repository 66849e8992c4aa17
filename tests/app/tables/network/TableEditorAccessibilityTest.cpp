// The table editors as a screen reader walks them: from the window down
// through the page control to the grids on its pages, read as tables by their
// column headers, with the text a person typed into a cell.

#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/tables/network/bacnet/UBACnetAccess.h"
#include "app/tables/network/iec61850/UIEC_61850_Access.h"
#include "app/tables/network/lorawan/ULoRa_Set_Access.h"
#include "app/tables/network/s7/US7_Protocol_Set_Access.h"
#include "app/tables/network/snmp/USNMP_Trap_Access.h"
#include "platform/ui/window/ModalSeams.h"
#include "tests/support/AccessibleTree.h"
#include "tests/support/KeyStrokes.h"
#include "tests/support/TempExeFolder.h"

#include <QDir>
#include <QFile>
#include <QtGui/QAccessible>
#include <QtGui/QMouseEvent>
#include <QtGui/QWindow>
#include <QtWidgets/QApplication>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <vector>

namespace {

// One editor window: how it is made in a fresh project, the table on the page
// it shows first with a column in view to type into, and the other page's tab
// and table.
struct EditorWindow {
    const char* name;
    std::function<TForm*()> make;
    QStringList shownHeaders;
    QString typedColumn;
    QString otherTab;
    QStringList otherHeaders;
};

void PrintTo(const EditorWindow& window, std::ostream* os)
{
    *os << window.name;
}

void WriteParGen(const QString& elements)
{
    QFile file(File_ParGen);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(("<Par_Gen>" + elements + "</Par_Gen>").toUtf8());
}

const std::vector<EditorWindow>& EditorWindows()
{
    static const std::vector<EditorWindow> windows = {
        {"LoRaWAN",
         [] {
             File_LoRaWAN_SetAccess = Path_Project + "/LoRaWAN_SetAccess.xml";
             WriteParGen("<LoRa_Payload_Size>51</LoRa_Payload_Size><LoRa_FPort>Fixed</LoRa_FPort>");
             return platform::CreateForm<TFLoRa_Set_Access>();
         },
         {"Enable", "Start Byte", "Num. Byte", "On Change", "On CMD", "On Timer", "Time (s)", "Mnemonic"},
         "Mnemonic",
         "LoRaWAN Downlink",
         {"Enable", "Start Byte", "Num. Byte", "Mnemonic"}},
        {"SNMP",
         [] {
             File_LoRaWAN_SetAccess = Path_Project + "/LoRaWAN_SetAccess.xml";
             File_SNMP_Trap = Path_Project + "/SNMP_Trap.xml";
             return platform::CreateForm<TFSNMP_Trap_Access>();
         },
         {"Enable", "Community Name", "Type", "On Change", "On CMD", "On Timer", "Time (ms)", "Position", "Start Bit",
          "Num Bits/Bytes", "Description", "IP Address", "Conversion", "Mnemonic"},
         "Mnemonic",
         "SNMP Write",
         {"Enable", "Community Name", "Type", "Position", "Start Bit", "Num Bits/Bytes", "Description", "Conversion",
          "Mnemonic"}},
        {"BACnet",
         [] {
             File_BACnet_Master_Access = Path_Project + "/BACnet_Master_Access.xml";
             Path_EDE_Import.clear();
             WriteParGen("<BACnet_Master_Type>0</BACnet_Master_Type>");
             return platform::CreateForm<TFBACnetAccess>();
         },
         {"Enable", "IP Address", "Object Type", "Instance", "Property", "NByte", "En Dest", "D Net", "D Len", "D Add",
          "Poll Time", "Max Err", "Position", "Start Bit", "Mnemonic"},
         "Instance",
         "BACnet Write",
         {"Enable", "IP Address", "Object Type", "Data Type", "Instance", "Property", "Priority", "NByte", "En Dest",
          "D Net", "D Len", "D Add", "Change", "Timer", "Poll Time", "Max Err", "Position", "Start Bit",
          "Mnemonic"}},
        {"S7",
         [] {
             File_S7_Protocol = Path_Project + "/S7_Protocol.xml";
             return platform::CreateForm<TFS7_Protocol_Set_Access>();
         },
         {"Enable", "PLC Address", "PLC Port", "PLC Type", "Rack", "Slot", "Data Type", "Data Identifier",
          "DB Number", "PLC Area", "PLC Add", "PLC Bit", "Poll Time", "Position", "Start Bit", "Swap", "Swap Word",
          "Mnemonic"},
         "PLC Address",
         "S7comm Write",
         {"Enable", "PLC Address", "PLC Port", "PLC Type", "Rack", "Slot", "Data Type", "Data Identifier",
          "DB Number", "PLC Area", "PLC Add", "PLC Bit", "Poll Time", "On Change", "On CMD", "Position",
          "Start Bit", "Swap", "Swap Word", "Mnemonic"}},
        {"IEC61850",
         [] {
             File_IEC_61850_Client = Path_Project + "/IEC_61850_Client.xml";
             return platform::CreateForm<TFIEC_61850_Access>();
         },
         {"Index", "bType", "fc", "Reference", "Start Byte", "Num Byte", "IP Address", "Port", "On Change", "On CMD",
          "On Timer", "Time (ms)", "Position", "Start Bit", "R/W", "Convertion", "Molt Fact", "Mnemonic"},
         "IP Address",
         "DataSet",
         {"Index", "Reference", "Goose Name", "En. Goose", "IP Address", "Port", "Time (ms)", "Mnemonic"}},
    };
    return windows;
}

// The column headers of every table in the window, for a failure to show.
QString TablesSeen(QWidget* window)
{
    QStringList seen;
    testsupport::FindAccessible(testsupport::AccessibleWindow(window), [&](QAccessibleInterface* node) {
        if (node->tableInterface())
            seen << testsupport::AccessibleColumnHeaders(node).join(", ");
        return false;
    });
    return seen.join("\n");
}

// A left click where a UI test tool clicks an object, the middle of its rect:
// pressed and released on the window, which hands it to the widget there.
void ClickAt(QWidget* window, QAccessibleInterface* node)
{
    QWindow* handle = window->window()->windowHandle();
    const QPoint global = node->rect().center();
    const QPointF local = handle->mapFromGlobal(global);
    QMouseEvent press(QEvent::MouseButtonPress, local, local, QPointF(global), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(handle, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, local, QPointF(global), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(handle, &release);
    QApplication::processEvents();
}

class TableEditorAccessibility : public ::testing::TestWithParam<EditorWindow> {
protected:
    void SetUp() override
    {
        Load_Default_Texts();
        Path_Project = testsupport::TestFolder() + "/PROJECTS/Plant";
        QDir().mkpath(Path_Project + "/bin");
        File_ParGen = Path_Project + "/ParGen.xml";
        seams = std::make_unique<platform::ModalSeams>();
        form.reset(GetParam().make());
    }

    // Shows the window modally; `work` runs while it is open.
    void Open(const std::function<void()>& work)
    {
        seams->HandleModal(*form, [&] {
            work();
            form->SetModalResult(mrCancel);
        });
        form->ShowModal();
    }

    std::unique_ptr<platform::ModalSeams> seams;
    std::unique_ptr<TForm> form;
};

TEST_P(TableEditorAccessibility, TheGridsOnThePagesAreTablesWithTheirHeadersAndTypedCells)
{
    const EditorWindow& window = GetParam();
    Open([&] {
        QAccessibleInterface* root = testsupport::AccessibleWindow(form.get());
        const QStringList faults = testsupport::AccessibleTreeFaults(root);
        EXPECT_TRUE(faults.isEmpty()) << faults.join('\n').toStdString();

        QAccessibleInterface* shown = testsupport::FindAccessibleTable(form.get(), window.shownHeaders);
        ASSERT_NE(shown, nullptr) << TablesSeen(form.get()).toStdString();
        QAccessibleInterface* other = testsupport::FindAccessibleTable(form.get(), window.otherHeaders);
        ASSERT_NE(other, nullptr) << TablesSeen(form.get()).toStdString();
        EXPECT_FALSE(shown->state().invisible);
        EXPECT_TRUE(other->state().invisible);

        QAccessibleInterface* cell = testsupport::AccessibleCell(shown, 1, window.typedColumn);
        ASSERT_NE(cell, nullptr);
        ASSERT_FALSE(cell->state().invisible);
        ClickAt(form.get(), cell);
        testsupport::TypeText(*form, "Pump 7");
        testsupport::TypeKey(*form, Qt::Key_Return);
        shown = testsupport::FindAccessibleTable(form.get(), window.shownHeaders);
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(testsupport::AccessibleCell(shown, 1, window.typedColumn)->text(QAccessible::Name).toStdString(),
                  "Pump 7");

        QAccessibleInterface* tab = testsupport::FindAccessible(root, [&](QAccessibleInterface* node) {
            return node->role() == QAccessible::PageTab && node->text(QAccessible::Name) == window.otherTab;
        });
        ASSERT_NE(tab, nullptr);
        ClickAt(form.get(), tab);
        EXPECT_TRUE(tab->state().selected);
        EXPECT_TRUE(shown->state().invisible);
        EXPECT_FALSE(other->state().invisible);
        const QStringList after = testsupport::AccessibleTreeFaults(root);
        EXPECT_TRUE(after.isEmpty()) << after.join('\n').toStdString();
    });
}

INSTANTIATE_TEST_SUITE_P(Editors, TableEditorAccessibility, ::testing::ValuesIn(EditorWindows()),
                         [](const ::testing::TestParamInfo<EditorWindow>& info) { return std::string(info.param.name); });

} // namespace
