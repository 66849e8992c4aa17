// The parameter file "ParGen.xml": loaded into the controls at every showing,
// written whole by OK.

#include "app/communication/UParGenPrivate.h"
#include "app/shell/UComon.h"
#include "platform/core/Files.h"
#include "platform/ui/controls/CheckBox.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/window/Dialogs.h"
#include "platform/ui/controls/Edit.h"
#include "platform/xml/XmlDocument.h"

#include <initializer_list>
#include <vector>

namespace {

const QString Root_Name = QStringLiteral("Par_Gen");
const QString Version_Comment = QStringLiteral("SW_VERSION = 1.000");

// How an element is read into its control and written from it.
enum class Kind {
    Text,       // an edit's text as typed
    Check,      // "1" checked, anything else unchecked
    Never_Read, // a check box that every showing unchecks
    Item,       // a combo item, by its text with letter case ignored
    Band,       // as Item; the data-rate list follows the band
    Data_Rate,  // as Item; no match falls back to the first item
    Coded,      // a combo item whose index is the code of the text
};

struct Field {
    QString element;
    Kind kind;
    platform::TControl* control;
    QString defaultText; // edits
    int (*code)(const QString&) = nullptr;
};

void AddAddress(std::vector<Field>& fields, const QString& prefix, const TAddressEdits& edits,
                std::initializer_list<const char*> defaults)
{
    auto value = defaults.begin();
    for (int i = 0; i < 4; ++i, ++value)
        fields.push_back({prefix + QString::number(i + 1), Kind::Text, edits[size_t(i)], QLatin1String(*value)});
}

TEdit* EditOf(const Field& field)
{
    return static_cast<TEdit*>(field.control);
}

TCheckBox* CheckOf(const Field& field)
{
    return static_cast<TCheckBox*>(field.control);
}

TComboBox* ComboOf(const Field& field)
{
    return static_cast<TComboBox*>(field.control);
}

// The element's text; false when the element is missing or holds elements
// instead of text.
bool ReadElement(const platform::XmlElement& root, const QString& name, QString& text)
{
    const platform::XmlElement element = root.Child(name);
    if (element.IsNull() || element.HasElementChildren())
        return false;
    text = element.Text();
    return true;
}

QString ValueOf(const Field& field)
{
    switch (field.kind) {
    case Kind::Text:
        return EditOf(field)->Text();
    case Kind::Check:
    case Kind::Never_Read:
        return CheckOf(field)->Checked() ? QStringLiteral("1") : QStringLiteral("0");
    default:
        return ComboOf(field)->Text();
    }
}

void SelectItemOrNone(TComboBox* combo, const QString& text)
{
    combo->SetItemIndex(combo->Items().IndexOf(text));
}

// The 51 parameters in file order.
std::vector<Field> Fields(TFParGen& f)
{
    std::vector<Field> fields = {
        {QStringLiteral("Eth_Conn_Device_Name"), Kind::Text, f.E_EthConn_Device_Name, QString()},
        {QStringLiteral("Eth_Conn_DHCP_Cable"), Kind::Check, f.CB_EthConn_En_DHCP_Cable, QString()},
        {QStringLiteral("Eth_Conn_DHCP_WiFi"), Kind::Never_Read, f.CB_EthConn_En_DHCP_WiFi, QString()},
        {QStringLiteral("Eth_Conn_Enable_DNS"), Kind::Check, f.CB_EthConn_Enable_DNS, QString()},
    };
    AddAddress(fields, QStringLiteral("Eth_Conn_Primary_DNS"), {f.E_EthConn_Pri_DNS_IP1, f.E_EthConn_Pri_DNS_IP2, f.E_EthConn_Pri_DNS_IP3, f.E_EthConn_Pri_DNS_IP4},
               {"8", "8", "8", "8"});
    AddAddress(fields, QStringLiteral("Eth_Conn_Secondary_DNS"), {f.E_EthConn_Sec_DNS_IP1, f.E_EthConn_Sec_DNS_IP2, f.E_EthConn_Sec_DNS_IP3, f.E_EthConn_Sec_DNS_IP4},
               {"8", "8", "4", "4"});
    const std::vector<Field> lora = {
        {QStringLiteral("LoRa_RF_Band"), Kind::Band, f.CB_LoRa_RF_Band, QString()},
        {QStringLiteral("LoRa_Network_Type"), Kind::Item, f.CB_LoRa_Network_Type, QString()},
        {QStringLiteral("LoRa_Adaptive_DataRate"), Kind::Check, f.CB_LoRa_Adaptive_DataRate, QString()},
        {QStringLiteral("LoRa_DataRate"), Kind::Data_Rate, f.CB_LoRa_DataRate, QString()},
        {QStringLiteral("LoRa_Transmission_Type"), Kind::Item, f.CB_LoRa_Transmission_Type, QString()},
        {QStringLiteral("LoRa_Payload_Size"), Kind::Text, f.E_LoRa_Payload_Size, QStringLiteral("0")},
        {QStringLiteral("LoRa_Activation_Method"), Kind::Item, f.CB_LoRa_Activation_Method, QString()},
        {QStringLiteral("LoRa_Device_Address"), Kind::Text, f.E_LoRa_Device_Address, QString()},
        {QStringLiteral("LoRa_JoinEUI"), Kind::Text, f.E_LoRa_JoinEUI, QString()},
        {QStringLiteral("LoRa_Network_Session_Key"), Kind::Text, f.E_LoRa_Network_Session_Key, QString()},
        {QStringLiteral("LoRa_Application_Session_Key"), Kind::Text, f.E_LoRa_Application_Session_Key, QString()},
        {QStringLiteral("LoRa_Application_Key"), Kind::Text, f.E_LoRa_Application_Key, QString()},
        {QStringLiteral("LoRa_FPort"), Kind::Item, f.CB_LoRa_FPort, QString()},
        {QStringLiteral("LoRa_Frequency_SubBand"), Kind::Item, f.CB_LoRa_FrequencySubBand, QString()},
    };
    fields.insert(fields.end(), lora.begin(), lora.end());
    AddAddress(fields, QStringLiteral("SNMP_Agent_IP"), {f.E_SNMP_Agent_IP1, f.E_SNMP_Agent_IP2, f.E_SNMP_Agent_IP3, f.E_SNMP_Agent_IP4},
               {"192", "168", "0", "5"});
    AddAddress(fields, QStringLiteral("SNMP_Agent_SM"), {f.E_SNMP_Agent_SM1, f.E_SNMP_Agent_SM2, f.E_SNMP_Agent_SM3, f.E_SNMP_Agent_SM4},
               {"255", "255", "255", "0"});
    AddAddress(fields, QStringLiteral("SNMP_Agent_GAT"), {f.E_SNMP_Agent_GAT1, f.E_SNMP_Agent_GAT2, f.E_SNMP_Agent_GAT3, f.E_SNMP_Agent_GAT4},
               {"192", "168", "0", "1"});
    const std::vector<Field> snmp = {
        {QStringLiteral("SNMP_Agent_EN_GAT"), Kind::Check, f.CB_SNMP_Agent_GAT, QString()},
        {QStringLiteral("SNMP_Agent_Name_of_Station"), Kind::Text, f.E_SNMP_Agent_NameStation,
         QStringLiteral("devicename1")},
        {QStringLiteral("SNMP_Agent_Contact"), Kind::Text, f.E_SNMP_Agent_Contact, QString()},
        {QStringLiteral("SNMP_Agent_Location"), Kind::Text, f.E_SNMP_Agent_Location, QString()},
        {QStringLiteral("SNMP_Agent_VERSION1"), Kind::Check, f.CB_SNMP_Agent_Version1, QString()},
        {QStringLiteral("SNMP_Agent_VERSION2"), Kind::Check, f.CB_SNMP_Agent_Version2, QString()},
        {QStringLiteral("SNMP_Agent_VERSION3"), Kind::Check, f.CB_SNMP_Agent_Version3, QString()},
        {QStringLiteral("SNMP_Agent_VER3_USER"), Kind::Text, f.E_SNMP_Agent_User, QString()},
        {QStringLiteral("SNMP_Agent_VER3_SECURITY_LEVEL"), Kind::Coded, f.CB_SNMP_Agent_SecurityLevel, QString(),
         SNMP_Security_Level_Code},
        {QStringLiteral("SNMP_Agent_VER3_AUTHORITY"), Kind::Text, f.E_SNMP_Agent_Authority, QString()},
        {QStringLiteral("SNMP_Agent_VER3_AUTHORITY_MODE"), Kind::Coded, f.CB_SNMP_Agent_AuthorityMode, QString(),
         SNMP_Auth_Mode_Code},
        {QStringLiteral("SNMP_Agent_VER3_PRIVACY"), Kind::Text, f.E_SNMP_Agent_Privacy, QString()},
        {QStringLiteral("SNMP_Agent_VER3_PRIVACY_MODE"), Kind::Coded, f.CB_SNMP_Agent_PrivacyMode, QString(),
         SNMP_Priv_Mode_Code},
    };
    fields.insert(fields.end(), snmp.begin(), snmp.end());
    return fields;
}

// The value a control takes when its element is missing or unreadable; with
// no file at all the data rate starts at data rate 6 instead of the first.
void SetDefault(TFParGen& form, const Field& field, bool noFile)
{
    switch (field.kind) {
    case Kind::Text:
        EditOf(field)->SetText(field.defaultText);
        break;
    case Kind::Check:
    case Kind::Never_Read:
        CheckOf(field)->SetChecked(false);
        break;
    case Kind::Data_Rate: {
        TComboBox* combo = ComboOf(field);
        const int wanted = noFile ? 6 : 0;
        combo->SetItemIndex(wanted < combo->Items().Count() ? wanted : (combo->Items().Count() > 0 ? 0 : -1));
        break;
    }
    default:
        ComboOf(field)->SetItemIndex(0);
        if (field.kind == Kind::Band)
            form.Change_LoRa_DataRate();
        break;
    }
}

void SetValue(TFParGen& form, const Field& field, const QString& text)
{
    switch (field.kind) {
    case Kind::Text:
        EditOf(field)->SetText(text);
        break;
    case Kind::Check:
        CheckOf(field)->SetChecked(text == QLatin1String("1"));
        break;
    case Kind::Never_Read:
        CheckOf(field)->SetChecked(false);
        break;
    case Kind::Item:
        SelectItemOrNone(ComboOf(field), text);
        break;
    case Kind::Band:
        SelectItemOrNone(ComboOf(field), text);
        form.Change_LoRa_DataRate();
        break;
    case Kind::Data_Rate: {
        TComboBox* combo = ComboOf(field);
        SelectItemOrNone(combo, text);
        if (combo->ItemIndex() < 0 && combo->Items().Count() > 0)
            combo->SetItemIndex(0);
        break;
    }
    case Kind::Coded:
        ComboOf(field)->SetItemIndex(field.code(text));
        break;
    }
}

// Holds the form's loading flag for the time the program fills the controls.
class LoadingScope {
public:
    explicit LoadingScope(bool& flag)
        : flag_(flag)
    {
        flag_ = true;
    }
    ~LoadingScope() { flag_ = false; }
    LoadingScope(const LoadingScope&) = delete;
    LoadingScope& operator=(const LoadingScope&) = delete;

private:
    bool& flag_;
};

} // namespace

void TFParGen::FormShow(TObject*)
{
    QString fault;
    {
        LoadingScope loading(d->loading);
        platform::XmlDocument document;
        if (!FileExists(File_ParGen)) {
            Load_Defaults();
        } else if (!document.LoadFile(File_ParGen, &fault)) {
            // A file that is not XML must not leave the values of an earlier
            // showing in place, where OK would write them into this file.
            Load_Defaults();
        } else {
            const platform::XmlElement root = document.Root();
            for (const Field& field : Fields(*this)) {
                QString text;
                if (ReadElement(root, field.element, text))
                    SetValue(*this, field, text);
                else
                    SetDefault(*this, field, false);
            }
        }
        Move_GroupBoxs();
        Set_Max_Payload_Size();
    }
    if (!fault.isEmpty())
        MessageDlg(fault, mtError, mbOK, 0);
}

void TFParGen::Load_Defaults()
{
    for (const Field& field : Fields(*this))
        SetDefault(*this, field, true);
}

bool TFParGen::Save_Parameters()
{
    platform::XmlDocument document;
    platform::XmlElement root = document.CreateRoot(Root_Name);
    document.AppendComment(Version_Comment);
    for (const Field& field : Fields(*this))
        root.AppendChild(field.element).SetText(ValueOf(field));
    QString fault;
    if (document.SaveFile(File_ParGen, &fault))
        return true;
    MessageDlg(fault, mtError, mbOK, 0);
    return false;
}

void TFParGen::Btn_OKClick(TObject*)
{
    if (Controllo_Dati() && Save_Parameters())
        SetModalResult(mrOk);
}
