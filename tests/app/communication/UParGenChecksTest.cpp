#include "tests/app/communication/UParGenTestFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

namespace {

// Types one character into an edit as the keyboard does.
void Type(QWidget* edit, QChar character)
{
    const int key = character == QLatin1Char(' ') ? int(Qt::Key_Space) : int(character.toUpper().unicode());
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(character));
    QApplication::sendEvent(edit, &press);
}

void Type(QWidget* edit, const QString& text)
{
    for (const QChar c : text)
        Type(edit, c);
}

void Paste(TEdit* edit, const QString& text)
{
    QApplication::clipboard()->setText(text);
    edit->paste();
}

} // namespace

using ParGenChecks = ParGenForm;

// Each case breaks one entry of a form showing the defaults; OK must stop at
// that entry's check with its text and write nothing.
TEST_F(ParGenChecks, OkStopsAtTheFirstFaultWithItsText)
{
    const struct {
        const char* what;
        std::function<void(TFParGen&)> spoil;
        int text;
    } cases[] = {
        {"primary DNS 1", [](TFParGen& f) { f.CB_EthConn_Enable_DNS->SetChecked(true); f.E_EthConn_Pri_DNS_IP1->SetText("300"); }, 2925},
        {"primary DNS 4", [](TFParGen& f) { f.CB_EthConn_Enable_DNS->SetChecked(true); f.E_EthConn_Pri_DNS_IP4->SetText("x"); }, 2928},
        {"secondary DNS 2", [](TFParGen& f) { f.CB_EthConn_Enable_DNS->SetChecked(true); f.E_EthConn_Sec_DNS_IP2->SetText(""); }, 2930},
        {"secondary DNS 3", [](TFParGen& f) { f.CB_EthConn_Enable_DNS->SetChecked(true); f.E_EthConn_Sec_DNS_IP3->SetText("-1"); }, 2931},
        {"band", [](TFParGen& f) { f.CB_LoRa_RF_Band->SetItemIndex(-1); }, 493},
        {"network type", [](TFParGen& f) { f.CB_LoRa_Network_Type->SetItemIndex(-1); }, 494},
        {"data rate", [](TFParGen& f) { f.CB_LoRa_DataRate->SetItemIndex(-1); }, 495},
        {"transmission type", [](TFParGen& f) { f.CB_LoRa_Transmission_Type->SetItemIndex(-1); }, 496},
        {"activation method", [](TFParGen& f) { f.CB_LoRa_Activation_Method->SetItemIndex(-1); }, 499},
        {"agent IP 4", [](TFParGen& f) { f.E_SNMP_Agent_IP4->SetText("256"); }, 2885},
        {"agent mask 1", [](TFParGen& f) { f.E_SNMP_Agent_SM1->SetText(" "); }, 2886},
        {"agent gateway 2", [](TFParGen& f) { f.CB_SNMP_Agent_GAT->SetChecked(true); f.E_SNMP_Agent_GAT2->SetText("2x"); }, 2891},
        {"DNS before band", [](TFParGen& f) {
             f.CB_LoRa_RF_Band->SetItemIndex(-1);
             f.CB_EthConn_Enable_DNS->SetChecked(true);
             f.E_EthConn_Sec_DNS_IP4->SetText("999");
         }, 2932},
        {"first byte of a row first", [](TFParGen& f) { f.E_SNMP_Agent_IP3->SetText("a"); f.E_SNMP_Agent_IP2->SetText("b"); }, 2883},
        {"disabled bytes are checked too", [](TFParGen& f) {
             f.CB_EthConn_En_DHCP_Cable->SetChecked(true);
             f.E_SNMP_Agent_SM4->SetText("1000");
         }, 2889},
    };
    for (const auto& c : cases) {
        const TModalResult result = Show([&] {
            c.spoil(*form);
            seams.AnswerMessage(mrOk);
            form->Btn_OK->Click();
            EXPECT_TRUE(form->IsModalShowing()) << c.what;
            form->Btn_Cancel->Click();
        });
        EXPECT_EQ(result, mrCancel) << c.what;
        ASSERT_FALSE(seams.Shown().empty());
        EXPECT_EQ(seams.Shown().back().text, Lang_Texts[c.text]) << c.what;
        EXPECT_EQ(seams.Shown().back().type, mtError) << c.what;
        EXPECT_FALSE(QFile::exists(File_ParGen)) << c.what;
    }
}

TEST_F(ParGenChecks, ThePayloadSizeMustLieBetweenOneAndTheMaximum)
{
    for (const char* payload : {"0", "231", "", "abc"}) {
        Show([&] {
            form->E_LoRa_Payload_Size->SetText(QLatin1String(payload));
            seams.AnswerMessage(mrOk);
            EXPECT_FALSE(form->Controllo_Dati()) << payload;
            form->Btn_Cancel->Click();
        });
        EXPECT_EQ(seams.Messages().last(), QStringLiteral("Error LoRa!! Payload Size must be between 1 and 230"));
    }
    Show([&] {
        form->E_LoRa_Payload_Size->SetText(QStringLiteral("1"));
        EXPECT_TRUE(form->Controllo_Dati());
        form->Btn_Cancel->Click();
    });
}

TEST_F(ParGenChecks, AMessageTextWithForeignDirectivesDoesNotBreakTheCheck)
{
    // A language file may replace the text with one whose directives do not
    // fit the one number given.
    Lang_Texts.SetStrings(497, QStringLiteral("Payload %s %d %d"));
    Show([&] {
        form->E_LoRa_Payload_Size->SetText(QStringLiteral("0"));
        seams.AnswerMessage(mrOk);
        EXPECT_FALSE(form->Controllo_Dati());
        form->Btn_Cancel->Click();
    });
    EXPECT_EQ(seams.Messages().last(), QStringLiteral("Error LoRa!! Payload Size must be between 1 and 230"));
}

TEST_F(ParGenChecks, UncheckedOptionsAndFreeTextsAreNotChecked)
{
    OpenAndSave([&] {
        form->E_EthConn_Pri_DNS_IP1->SetText(QStringLiteral("300"));
        form->E_EthConn_Sec_DNS_IP1->SetText(QStringLiteral("x"));
        form->E_SNMP_Agent_GAT3->SetText(QStringLiteral("-4"));
        form->E_EthConn_Device_Name->SetText(QString(31, QLatin1Char('d')));
        form->E_LoRa_Network_Session_Key->SetText(QStringLiteral("12345"));
        form->E_SNMP_Agent_IP1->SetText(QStringLiteral("$C0"));
    });
    const QByteArray written = ReadParGen();
    EXPECT_TRUE(written.contains("<Eth_Conn_Primary_DNS1>300</Eth_Conn_Primary_DNS1>"));
    EXPECT_TRUE(written.contains("<SNMP_Agent_GAT3>-4</SNMP_Agent_GAT3>"));
    EXPECT_TRUE(written.contains("<LoRa_Device_Address/>") || written.contains("<LoRa_Device_Address></LoRa_Device_Address>"));
    EXPECT_TRUE(written.contains("<SNMP_Agent_IP1>$C0</SNMP_Agent_IP1>")) << "bytes are stored as typed";
}

TEST_F(ParGenChecks, KeyFiltersLetThroughWhatTheFieldsTake)
{
    for (const QChar c : QStringLiteral("0123456789ABCDEFabcdef \t\b"))
        EXPECT_TRUE(Hex_Key_Passes(c)) << int(c.unicode());
    for (const QChar c : QStringLiteral("GgZz-.:!\u00e9\u0660"))
        EXPECT_FALSE(Hex_Key_Passes(c)) << int(c.unicode());
    EXPECT_FALSE(Address_Key_Passes(QLatin1Char('.')));
    for (const QChar c : QStringLiteral("0a- ,"))
        EXPECT_TRUE(Address_Key_Passes(c)) << int(c.unicode());
}

TEST_F(ParGenChecks, TypedKeysInTheHexadecimalFieldsAreFilteredAndUpperCased)
{
    Open([&] {
        Type(form->E_LoRa_JoinEUI, QStringLiteral("a1-G b:2"));
        EXPECT_EQ(form->E_LoRa_JoinEUI->Text(), QStringLiteral("A1 B2"));
        Type(form->E_LoRa_Device_Address, QStringLiteral("12345678F"));
        EXPECT_EQ(form->E_LoRa_Device_Address->Text(), QStringLiteral("12345678")) << "at most 8 digits";
    });
}

TEST_F(ParGenChecks, PastedTextPassesTheSameFilterAsTypedKeys)
{
    Open([&] {
        Paste(form->E_LoRa_JoinEUI, QStringLiteral("70:b3:d5:7e:d0:01:23:45"));
        EXPECT_EQ(form->E_LoRa_JoinEUI->Text(), QStringLiteral("70B3D57ED0012345"))
            << "separators go before the length limit counts";
        Paste(form->E_LoRa_Application_Key, QStringLiteral("2B7E1516-28AED2A6-ABF71588-09CF4F3C"));
        EXPECT_EQ(form->E_LoRa_Application_Key->Text(), QStringLiteral("2B7E151628AED2A6ABF7158809CF4F3C"));
        form->E_SNMP_Agent_IP1->SetText(QString());
        Paste(form->E_SNMP_Agent_IP1, QStringLiteral("1.0"));
        EXPECT_EQ(form->E_SNMP_Agent_IP1->Text(), QStringLiteral("10"));
        form->E_EthConn_Pri_DNS_IP2->setCursorPosition(1);
        Paste(form->E_EthConn_Pri_DNS_IP2, QStringLiteral(".9"));
        EXPECT_EQ(form->E_EthConn_Pri_DNS_IP2->Text(), QStringLiteral("89"));
        EXPECT_EQ(form->E_EthConn_Pri_DNS_IP2->cursorPosition(), 2);
    });
}

TEST_F(ParGenChecks, EditingAroundStoredTextKeepsIt)
{
    WriteParGen("<Par_Gen><LoRa_Device_Address>ZZ</LoRa_Device_Address></Par_Gen>");
    Open([&] {
        form->E_LoRa_Device_Address->setCursorPosition(2);
        Paste(form->E_LoRa_Device_Address, QStringLiteral("-1"));
        EXPECT_EQ(form->E_LoRa_Device_Address->Text(), QStringLiteral("ZZ1"));
    });
}

TEST_F(ParGenChecks, APointMovesTheFocusAlongTheAddressChains)
{
    Open([&] {
        QApplication::setActiveWindow(form.get());
        const struct {
            TEdit* from;
            TEdit* to;
        } moves[] = {
            {form->E_EthConn_Pri_DNS_IP1, form->E_EthConn_Pri_DNS_IP2},
            {form->E_EthConn_Pri_DNS_IP4, form->E_EthConn_Sec_DNS_IP1},
            {form->E_EthConn_Sec_DNS_IP4, form->E_EthConn_Sec_DNS_IP4},
            {form->E_SNMP_Agent_IP4, form->E_SNMP_Agent_SM1},
            {form->E_SNMP_Agent_SM4, form->E_SNMP_Agent_GAT1},
            {form->E_SNMP_Agent_GAT4, form->E_SNMP_Agent_GAT4},
        };
        for (const auto& move : moves) {
            move.from->SetFocus();
            const QString before = move.from->Text();
            Type(move.from, QLatin1Char('.'));
            EXPECT_EQ(form->focusWidget(), move.to) << move.from->Name().toStdString();
            EXPECT_EQ(move.from->Text(), before) << "the point itself is never typed";
        }
        form->E_EthConn_Pri_DNS_IP1->SetFocus();
        form->E_EthConn_Pri_DNS_IP1->setCursorPosition(1);
        Type(form->E_EthConn_Pri_DNS_IP1, QStringLiteral("1x"));
        EXPECT_EQ(form->E_EthConn_Pri_DNS_IP1->Text(), QStringLiteral("81x")) << "other keys pass unchanged";
    });
}
