// The checks that OK runs before the parameter file is written, and the
// character filters of the address and hexadecimal edits.

#include "app/communication/UParGenPrivate.h"
#include "app/shell/ULanguage.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/controls/CheckBox.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/window/Dialogs.h"
#include "platform/ui/controls/Edit.h"

#include <QtGui/QValidator>

#include <algorithm>

namespace {

void ShowFault(const QString& text)
{
    MessageDlg(text, mtError, mbOK, 0);
}

bool ByteInRange(const TEdit* edit)
{
    const int value = StrToIntDef(edit->Text(), -1);
    return value >= 0 && value <= 255;
}

// Checks the four bytes of an address in order; the first fault shows text
// firstText + its position.
bool CheckAddress(const TAddressEdits& edits, int firstText)
{
    for (int i = 0; i < 4; ++i)
        if (!ByteInRange(edits[size_t(i)])) {
            ShowFault(Lang_Texts[firstText + i]);
            return false;
        }
    return true;
}

bool CheckNotEmpty(const TComboBox* combo, int text)
{
    if (!Trim(combo->Text()).isEmpty())
        return true;
    ShowFault(Lang_Texts[text]);
    return false;
}

constexpr int Text_Primary_DNS = 2925;
constexpr int Text_Secondary_DNS = 2929;
constexpr int Text_RF_Band = 493;
constexpr int Text_Network_Type = 494;
constexpr int Text_DataRate = 495;
constexpr int Text_Transmission_Type = 496;
constexpr int Text_Payload_Size = 497;
constexpr int Text_Activation_Method = 499;
constexpr int Text_SNMP_Agent_IP = 2882;
constexpr int Text_SNMP_Agent_SM = 2886;
constexpr int Text_SNMP_Agent_GAT = 2890;

// Filters what a user edit inserts into the text, then lets the edit's own
// validator (letter case, length limit) do its part, so that the length
// limit counts only the characters that are kept.
class PasteFilter : public QValidator {
public:
    PasteFilter(TEdit& edit, bool (*passes)(QChar), const bool* loading)
        : QValidator(&edit)
        , inner_(edit.validator())
        , passes_(passes)
        , loading_(loading)
        , previous_(edit.text())
    {
        connect(&edit, &QLineEdit::textChanged, this, [this](const QString& text) { previous_ = text; });
    }

    State validate(QString& input, int& pos) const override
    {
        if (!*loading_)
            filterInserted(input, pos);
        return inner_ ? inner_->validate(input, pos) : Acceptable;
    }

    void fixup(QString& input) const override
    {
        if (inner_)
            inner_->fixup(input);
    }

private:
    // The inserted part is what lies between the parts that the old and the
    // new text have in common at their start and at their end.
    void filterInserted(QString& input, int& pos) const
    {
        const qsizetype limit = std::min(input.size(), previous_.size());
        qsizetype head = 0;
        while (head < limit && input[head] == previous_[head])
            ++head;
        qsizetype tail = 0;
        while (tail < limit - head && input[input.size() - 1 - tail] == previous_[previous_.size() - 1 - tail])
            ++tail;
        for (qsizetype i = input.size() - tail - 1; i >= head; --i)
            if (!passes_(input[i])) {
                input.remove(i, 1);
                if (i < pos)
                    --pos;
            }
    }

    const QValidator* inner_;
    bool (*passes_)(QChar);
    const bool* loading_;
    QString previous_;
};

} // namespace

bool Hex_Key_Passes(QChar key)
{
    const char16_t c = key.unicode();
    return c <= 32 || (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

bool Address_Key_Passes(QChar key)
{
    return key != QLatin1Char('.');
}

void pargen::Install_Paste_Filter(TEdit* edit, bool (*passes)(QChar), const bool* loading)
{
    edit->setValidator(new PasteFilter(*edit, passes, loading));
}

bool TFParGen::Controllo_Dati()
{
    if (CB_EthConn_Enable_DNS->Checked()
        && (!CheckAddress(d->priDns, Text_Primary_DNS) || !CheckAddress(d->secDns, Text_Secondary_DNS)))
        return false;
    if (!CheckNotEmpty(CB_LoRa_RF_Band, Text_RF_Band) || !CheckNotEmpty(CB_LoRa_Network_Type, Text_Network_Type)
        || !CheckNotEmpty(CB_LoRa_DataRate, Text_DataRate)
        || !CheckNotEmpty(CB_LoRa_Transmission_Type, Text_Transmission_Type))
        return false;
    const int maxPayload = Find_Max_PayLoad();
    const int payload = StrToIntDef(E_LoRa_Payload_Size->Text(), -1);
    if (payload < 1 || payload > maxPayload) {
        ShowFault(Lang_Format(Text_Payload_Size, {maxPayload}));
        return false;
    }
    if (!CheckNotEmpty(CB_LoRa_Activation_Method, Text_Activation_Method))
        return false;
    if (!CheckAddress(d->snmpIp, Text_SNMP_Agent_IP) || !CheckAddress(d->snmpSm, Text_SNMP_Agent_SM))
        return false;
    return !CB_SNMP_Agent_GAT->Checked() || CheckAddress(d->snmpGat, Text_SNMP_Agent_GAT);
}

void TFParGen::OnKeyPress(TObject*, QChar& Key)
{
    if (!Hex_Key_Passes(Key))
        Key = QChar(0);
}

void TFParGen::KeyPress(TObject* Sender, QChar& Key)
{
    if (Address_Key_Passes(Key))
        return;
    Key = QChar(0);
    for (const std::vector<TEdit*>& chain : d->focusChains) {
        const auto at = std::find(chain.begin(), chain.end(), Sender);
        if (at == chain.end() || at + 1 == chain.end())
            continue;
        TEdit* next = *(at + 1);
        if (next->CanFocus())
            next->SetFocus();
        return;
    }
}
