// "IEC_61850_Client.xml": the catalog entries, the picked variables and the
// picked data sets with their members, read at every showing and written
// whole on OK.

#include "app/tables/network/iec61850/UIEC_61850_Access.h"

#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/tables/network/iec61850/UIEC_61850_AccessPrivate.h"
#include "app/tables/network/iec61850/UIEC_Client_Decode.h"
#include "grid/cells/columns/ExColumnGrid.h"
#include "grid/foundation/pagecontrol/ExPageControl.h"
#include "platform/core/Files.h"
#include "platform/ui/window/Dialogs.h"
#include "platform/ui/controls/ListBox.h"
#include "platform/ui/controls/TreeView.h"
#include "platform/xml/XmlDocument.h"

#include <QFileInfo>

#include <functional>

using namespace iec;
using platform::XmlElement;

namespace {

constexpr int Text_File_Unreadable = 1108;
constexpr int Text_Replace_Unreadable = 1109;

const QStringList& DaAttributes()
{
    static const QStringList names = {"Index", "bType", "fc", "Reference", "StartByte", "NumByte",
                                      "IPAddress", "Port", "OnChange", "OnCMD", "OnTimer", "Time",
                                      "Position", "StartBit", "ReadWrite", "Convertion", "MoltFact", "Mnemonic"};
    return names;
}

const QStringList& DataSetAttributes()
{
    static const QStringList names = {"Index", "Reference", "GooseName", "EnGoose", "IPAddress", "Port", "Time",
                                      "Mnemonic"};
    return names;
}

const QStringList& MemberAttributes()
{
    static const QStringList names = {"Position", "StartBit", "Convertion", "MoltFact", "Mnemonic"};
    return names;
}

QString* MemberField(TDataSet_DA& member, int i)
{
    QString* fields[] = {&member.Position, &member.bitAddress, &member.conversion, &member.multFactor,
                         &member.Mnemonic};
    return fields[i];
}

// Rows of a list element into a grid: row i + 1 from child i.
void LoadRows(TExColumnGrid* grid, const QList<XmlElement>& items, const QStringList& attributes)
{
    Clear_Grid_Rows(grid, qMax(2, int(items.size()) + 1));
    for (int i = 0; i < items.size(); ++i) {
        grid->SetAllCells(0, i + 1, QString::number(i + 1));
        for (int c = 0; c < attributes.size(); ++c)
            grid->SetAllCells(c + 1, i + 1, items[i].Attribute(attributes[c]));
    }
}

// Catalog file names are plain names inside the catalog folder.
QString CatalogPath(const QString& fileName)
{
    if (fileName.isEmpty() || fileName.contains('/') || fileName.contains('\\') || fileName == "." || fileName == "..")
        return QString();
    return IEC_Catalog_Folder() + fileName;
}

void WriteRows(XmlElement list, const char* itemName, TExColumnGrid* grid, const QStringList& attributes,
               const std::function<void(XmlElement, int)>& more)
{
    if (Grid_Is_Empty(grid))
        return;
    for (int r = 1; r < grid->RowCount(); ++r) {
        XmlElement item = list.AppendChild(QString::fromLatin1(itemName));
        for (int c = 0; c < attributes.size(); ++c)
            item.SetAttribute(attributes[c], grid->AllCells(c + 1, r));
        if (more)
            more(item, r);
    }
}

} // namespace

void TFIEC_61850_Access::clearAll()
{
    DataSet_Row_Select = 0;
    Selected_IEC_DA = nullptr;
    Selected_IEC_DS = nullptr;
    TV_IEC_Device->Clear();
    LB_IEC_Devices->Items().Clear();
    List_DataSet.clear();
    while (!List_IEC_Dev.empty())
        List_IEC_Dev.pop_back();
    Clear_Grid_Rows(ACG_DA, 2);
    Clear_Grid_Rows(ACG_DataSet, 2);
    Clear_Grid_Rows(ACG_DS_Vars, 2);
}

void TFIEC_61850_Access::FormShow(TObject* Sender)
{
    TForm::FormShow(Sender);
    clearAll();
    PC_DA_DataSet->SetActivePage(TS_DA);
    loadFile();
    Set_Start_Num_Byte();
    Show_IEC_Devices();
}

void TFIEC_61850_Access::loadFile()
{
    fileUnreadable_ = false;
    if (!FileExists(File_IEC_61850_Client))
        return;
    platform::XmlDocument doc;
    QString error;
    if (!doc.LoadFile(File_IEC_61850_Client, &error) || doc.DocumentElement().Name() != "IEC_68850_Client") {
        fileUnreadable_ = true;
        MessageDlg(Lang_Texts[Text_File_Unreadable] + File_IEC_61850_Client + QStringLiteral(": ") + error, mtError,
                   mbOK, 0);
        return;
    }
    const XmlElement root = doc.DocumentElement();
    // A catalog file that is gone or unreadable keeps its place, so the
    // "Index" of later rows still names the right device.
    QStringList missing;
    for (const XmlElement& entry : root.Child("List_ICD_Files").Children("ICD_File")) {
        const QString fileName = entry.Attribute("FileName");
        const QString path = CatalogPath(fileName);
        QString decodeError;
        std::unique_ptr<TIEC_Device> device =
            FileExists(path) ? TIEC_Device::Create(path, decodeError) : nullptr;
        if (!device) {
            missing << (decodeError.isEmpty() ? fileName : decodeError);
            device = TIEC_Device::Placeholder(entry.Attribute("Name"), fileName);
        }
        List_IEC_Dev.push_back(std::move(device));
    }
    if (!missing.isEmpty())
        MessageDlg(Lang_Texts[Text_Catalog_Missing] + missing.join(QStringLiteral(", ")), mtWarning, mbOK, 0);

    LoadRows(ACG_DA, root.Child("List_DA_Selected").Children(), DaAttributes());
    const QList<XmlElement> sets = root.Child("List_DataSet_Selected").Children();
    LoadRows(ACG_DataSet, sets, DataSetAttributes());
    for (int i = 0; i < sets.size(); ++i) {
        auto set = std::make_unique<TDataSet>();
        set->Select_DataSet = Get_DataSet(Row_Device_Index(ACG_DataSet, i + 1), sets[i].Attribute("Reference"));
        const QList<XmlElement> items = sets[i].Child("DataSet_List_DAs").Children("DataSet_DA_Item");
        for (int k = 0; set->Select_DataSet && k < items.size(); ++k) {
            if (k >= int(set->Select_DataSet->List_DA.size()))
                break;
            TIEC_DA* member = set->Select_DataSet->List_DA[k];
            if (member->fbType != items[k].Attribute("bType") || member->fReference != items[k].Attribute("Reference"))
                continue;
            auto picked = std::make_unique<TDataSet_DA>();
            picked->Select_DA = member;
            for (int f = 0; f < MemberAttributes().size(); ++f)
                *MemberField(*picked, f) = items[k].Attribute(MemberAttributes()[f]);
            set->List_DAs.push_back(std::move(picked));
        }
        List_DataSet.push_back(std::move(set));
    }
}

bool TFIEC_61850_Access::writeFile(QString& error) const
{
    platform::XmlDocument doc;
    XmlElement root = doc.CreateRoot(QStringLiteral("IEC_68850_Client"));
    doc.AppendComment(QStringLiteral("SW_VERSION = 1.000"));
    XmlElement files = root.AppendChild("List_ICD_Files");
    for (const auto& device : List_IEC_Dev) {
        XmlElement entry = files.AppendChild("ICD_File");
        entry.SetAttribute("Name", device->fName);
        entry.SetAttribute("FileName", device->fFileName);
    }
    WriteRows(root.AppendChild("List_DA_Selected"), "DA_Item", ACG_DA, DaAttributes(), {});
    WriteRows(root.AppendChild("List_DataSet_Selected"), "DataSet_Item", ACG_DataSet, DataSetAttributes(),
              [this](XmlElement item, int row) {
                  XmlElement members = item.AppendChild("DataSet_List_DAs");
                  if (row - 1 >= int(List_DataSet.size()))
                      return;
                  for (const auto& member : List_DataSet[row - 1]->List_DAs) {
                      XmlElement m = members.AppendChild("DataSet_DA_Item");
                      m.SetAttribute("bType", member->Select_DA->fbType);
                      m.SetAttribute("Reference", member->Select_DA->fReference);
                      for (int f = 0; f < MemberAttributes().size(); ++f)
                          m.SetAttribute(MemberAttributes()[f], *MemberField(*member, f));
                  }
              });
    return doc.SaveFile(File_IEC_61850_Client, &error);
}

void TFIEC_61850_Access::Btn_OKClick(TObject*)
{
    if (!Controllo_dati())
        return;
    if (fileUnreadable_
        && MessageDlg(Lang_Texts[Text_Replace_Unreadable], mtConfirmation, mbYesNo, 0) != mrYes)
        return;
    QString error;
    if (!writeFile(error)) {
        MessageDlg(error, mtError, mbOK, 0);
        return;
    }
    fileUnreadable_ = false;
    SetModalResult(mrOk);
}
