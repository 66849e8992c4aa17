#include "app/shell/dialogs/USoftOptions.h"

#include "app/shell/buttons/LbButton.h"
#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/shell/mainwindow/UMarquellFirmWare.h"
#include "platform/process/WebAddress.h"
#include "platform/ui/controls/CheckBox.h"
#include "platform/ui/window/Dialogs.h"
#include "platform/ui/panels/Image.h"
#include "platform/ui/panels/Label.h"
#include "platform/ui/panels/LinkLabel.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QTabWidget>

TFSoftOptions* FSoftOptions = nullptr;

namespace {

constexpr int Slots_Per_Page = 6;
constexpr int Flag_Size = 48;

struct SlotPlace {
    int imageLeft, imageTop, labelLeft, labelTop;
};
const SlotPlace Slot_Places[Slots_Per_Page] = {
    {24, 40, 80, 56}, {26, 94, 80, 110}, {24, 148, 80, 164},
    {254, 40, 310, 56}, {254, 94, 310, 110}, {254, 148, 310, 164},
};

QString Text(int index)
{
    return Lang_Texts[index];
}

// The flag shown when neither the language's own picture nor a default flag
// file exists: a plain framed field.
QImage PlaceholderFlag()
{
    QImage image(Flag_Size, Flag_Size, QImage::Format_RGB32);
    image.fill(QColor(236, 236, 236));
    QPainter painter(&image);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(QRect(4, 10, Flag_Size - 9, Flag_Size - 21));
    return image;
}

QImage FlagOf(const QString& language)
{
    for (const QString& name : {language + QLatin1String(".bmp"), QStringLiteral("DefaultFlag.bmp")}) {
        const QString path = Path_Language + QLatin1Char('/') + name;
        if (QFileInfo(path).isFile()) {
            QImage picture(path);
            if (!picture.isNull())
                return picture;
        }
    }
    return PlaceholderFlag();
}

// Read-only files and links are not offered as languages.
bool Listable(const QFileInfo& file)
{
    return file.isFile() && !file.isSymLink() && (file.permissions() & QFileDevice::WriteOwner);
}

TCheckBox* MakeCheckBox(QWidget* page, const char* name, int top)
{
    auto* box = new TCheckBox(page);
    box->SetName(QLatin1String(name));
    box->SetBounds(24, top, 440, 20);
    return box;
}

TLbButton* MakeButton(QWidget* parent, const char* name, int left, int top, int width)
{
    auto* button = new TLbButton(parent);
    button->SetName(QLatin1String(name));
    button->SetBounds(left, top, width, 28);
    return button;
}

} // namespace

TFSoftOptions::TFSoftOptions(QWidget* parent)
    : TForm(parent)
{
    setObjectName(QStringLiteral("FSoftOptions"));
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(509);
    SetClientHeight(373);
    const TDialogTitle title = Make_Dialog_Title(this);
    P_Title = title.P_Title;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    const TDialogButtons buttons = Make_Dialog_Buttons(this, 509);
    P_Button = buttons.P_Button;
    Btn_OK = buttons.Btn_OK;
    Btn_Cancel = buttons.Btn_Cancel;
    Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };

    PC_Options = new QTabWidget(this);
    PC_Options->setObjectName(QStringLiteral("PC_Options"));
    PC_Options->setGeometry(8, 70, 493, 250);
    TS_Language = new QWidget;
    TS_Con_Options = new QWidget;
    TS_Soft_Settings = new QWidget;
    PC_Options->addTab(TS_Language, QString());
    PC_Options->addTab(TS_Con_Options, QString());
    PC_Options->addTab(TS_Soft_Settings, QString());

    L_Sel_Lang = new TLabel(TS_Language);
    L_Sel_Lang->SetName(QStringLiteral("L_Sel_Lang"));
    L_Sel_Lang->SetBounds(24, 12, 300, 16);
    L_Page_Lang = new TLabel(TS_Language);
    L_Page_Lang->SetName(QStringLiteral("L_Page_Lang"));
    L_Page_Lang->SetBounds(200, 196, 100, 16);
    for (int k = 0; k < Slots_Per_Page; ++k) {
        const SlotPlace& place = Slot_Places[k];
        I_L[k] = new TImage(TS_Language);
        I_L[k]->SetName(QStringLiteral("I_L%1").arg(k + 1));
        I_L[k]->SetBounds(place.imageLeft, place.imageTop, Flag_Size, Flag_Size);
        I_L[k]->SetStretch(true);
        I_L[k]->setCursor(Qt::PointingHandCursor);
        I_L[k]->OnClick = [this](TObject* Sender) { LangClick(Sender); };
        L_L[k] = new TLabel(TS_Language);
        L_L[k]->SetName(QStringLiteral("L_L%1").arg(k + 1));
        L_L[k]->SetLeft(place.labelLeft);
        L_L[k]->SetTop(place.labelTop);
        L_L[k]->setCursor(Qt::PointingHandCursor);
        L_L[k]->OnClick = [this](TObject* Sender) { LangClick(Sender); };
    }
    Btn_Prev = MakeButton(TS_Language, "Btn_Prev", 24, 190, 88);
    Btn_Next = MakeButton(TS_Language, "Btn_Next", 372, 190, 88);
    Btn_Prev->OnClick = [this](TObject* Sender) { Btn_NextClick(Sender); };
    Btn_Next->OnClick = [this](TObject* Sender) { Btn_NextClick(Sender); };

    CB_En_Con = MakeCheckBox(TS_Con_Options, "CB_En_Con", 24);
    CB_Update = MakeCheckBox(TS_Con_Options, "CB_Update", 56);
    Btn_Check_Update = MakeButton(TS_Con_Options, "Btn_Check_Update", 24, 96, 200);
    Btn_Check_Update->OnClick = [this](TObject* Sender) { Btn_Check_UpdateClick(Sender); };
    LL_Check_Update = new TLinkLabel(TS_Con_Options);
    LL_Check_Update->SetName(QStringLiteral("LL_Check_Update"));
    LL_Check_Update->SetBounds(24, 140, 440, 16);
    LL_Check_Update->OnLinkClick = [this](TObject* Sender, const QString& Link, TSysLinkType LinkType) {
        LL_Check_UpdateLinkClick(Sender, Link, int(LinkType));
    };
    CB_Soft_Set_Jump_Table = MakeCheckBox(TS_Soft_Settings, "CB_Soft_Set_Jump_Table", 24);
    CB_DoubleClick_Auto_Size = MakeCheckBox(TS_Soft_Settings, "CB_DoubleClick_Auto_Size", 56);
    for (TCheckBox* box : {CB_En_Con, CB_Update, CB_Soft_Set_Jump_Table, CB_DoubleClick_Auto_Size})
        box->OnClick = [this](TObject* Sender) { CB_En_ConClick(Sender); };
}

TFSoftOptions::~TFSoftOptions()
{
    if (FSoftOptions == this)
        FSoftOptions = nullptr;
}

void TFSoftOptions::FormCreate(TObject*)
{
    SL_Languages.Clear();
    L_SW_Code->SetCaption(SW_Code);
    PC_Options->setCurrentWidget(TS_Con_Options);
    Set_Lang();
}

void TFSoftOptions::FormShow(TObject*)
{
    Language_In_Use = Language_Name;
    Create_Lang_List();
    Update_CheckBox();
    LL_Check_Update->Hide();
    PC_Options->setCurrentWidget(TS_Language);
    CB_En_Con->SetChecked(Enable_Internet);
    CB_Update->SetChecked(Enable_Update);
    CB_Soft_Set_Jump_Table->SetChecked(Enable_Jump_Field);
    CB_DoubleClick_Auto_Size->SetChecked(Enable_Auto_Size);
}

int TFSoftOptions::pageCount() const
{
    return (SL_Languages.Count() + Slots_Per_Page - 1) / Slots_Per_Page;
}

void TFSoftOptions::Create_Lang_List()
{
    SL_Languages.Clear();
    const QDir folder(Path_Language);
    for (const QFileInfo& file : folder.entryInfoList({QStringLiteral("*.lng")}, QDir::Files | QDir::Hidden | QDir::System))
        if (Listable(file))
            SL_Languages.Add(file.fileName());
    SL_Languages.Sort();
    Show_Page = 1;
    Update_Lang_Page(Show_Page);
}

void TFSoftOptions::Update_Lang_Page(int Num_Page)
{
    const int pages = pageCount();
    L_Sel_Lang->SetCaption(Text(304) + Language_In_Use);
    L_Page_Lang->SetCaption(Text(305) + QString::number(Num_Page) + Text(306) + QString::number(pages));
    Btn_Prev->SetVisible(Num_Page != 1);
    Btn_Next->SetVisible(Num_Page != pages);
    const int first = (Num_Page - 1) * Slots_Per_Page;
    const int shown = qMin(Slots_Per_Page, SL_Languages.Count() - first);
    for (int k = 0; k < Slots_Per_Page; ++k) {
        const bool visible = k < shown;
        I_L[k]->SetVisible(visible);
        L_L[k]->SetVisible(visible);
        if (!visible)
            continue;
        const QString name = SL_Languages[first + k].chopped(4);
        L_L[k]->SetCaption(name);
        I_L[k]->SetPicture(FlagOf(name));
    }
}

void TFSoftOptions::Btn_NextClick(TObject* Sender)
{
    if (Sender == dynamic_cast<TObject*>(Btn_Next) && pageCount() >= Show_Page + 1)
        ++Show_Page;
    else if (Sender == dynamic_cast<TObject*>(Btn_Prev) && Show_Page - 1 > 0)
        --Show_Page;
    Update_Lang_Page(Show_Page);
}

void TFSoftOptions::LangClick(TObject* Sender)
{
    int slot = -1;
    for (int k = 0; k < Slots_Per_Page; ++k)
        if (Sender == dynamic_cast<TObject*>(I_L[k]) || Sender == dynamic_cast<TObject*>(L_L[k]))
            slot = k;
    const int index = (Show_Page - 1) * Slots_Per_Page + slot;
    if (slot < 0 || index >= SL_Languages.Count())
        return;
    const QString name = SL_Languages[index].chopped(4);
    if (MessageDlg(Text(316) + Language_In_Use + Text(317) + name + Text(318), mtConfirmation, mbYesNo, 0) != mrYes)
        return;
    Language_In_Use = name;
    // The stored language changes only with OK; the texts change now.
    const QString stored = Language_Name;
    Language_Name = name;
    Init_Language();
    Language_Name = stored;
    if (FMarquellFirmWare)
        FMarquellFirmWare->Change_Language();
    L_Sel_Lang->SetCaption(Text(304) + Language_In_Use);
}

void TFSoftOptions::Btn_OKClick(TObject*)
{
    Language_Name = Language_In_Use;
    Enable_Internet = CB_En_Con->Checked();
    Enable_Update = CB_Update->Checked();
    if (FMarquellFirmWare)
        FMarquellFirmWare->Set_Update_Timer(Enable_Internet && Enable_Update);
    Enable_Jump_Field = CB_Soft_Set_Jump_Table->Checked();
    Enable_Auto_Size = CB_DoubleClick_Auto_Size->Checked();
    SetModalResult(mrOk);
}

void TFSoftOptions::CB_En_ConClick(TObject*)
{
    Update_CheckBox();
}

void TFSoftOptions::Update_CheckBox()
{
    CB_Update->SetEnabled(CB_En_Con->Checked());
    Btn_Check_Update->SetEnabled(CB_Update->Enabled() && CB_Update->Checked());
}

void TFSoftOptions::Btn_Check_UpdateClick(TObject*)
{
    if (Check_Version())
        LL_Check_Update->SetCaption(Version_Link_Markup(Text(314)));
    else
        LL_Check_Update->SetCaption(Text(315));
    LL_Check_Update->Show();
}

void TFSoftOptions::LL_Check_UpdateLinkClick(TObject*, const QString& Link, int)
{
    platform::OpenWebAddress(Link);
}

void TFSoftOptions::Set_Lang()
{
    SetCaption(Text(300));
    L_SW_Desc->SetCaption(Text(301));
    PC_Options->setTabText(PC_Options->indexOf(TS_Language), Text(302));
    PC_Options->setTabText(PC_Options->indexOf(TS_Con_Options), Text(303));
    PC_Options->setTabText(PC_Options->indexOf(TS_Soft_Settings), Text(319));
    L_Sel_Lang->SetCaption(Text(304));
    L_Page_Lang->SetCaption(Text(305) + QStringLiteral("1") + Text(306) + QStringLiteral("1"));
    Btn_Prev->SetCaption(Text(307));
    Btn_Next->SetCaption(Text(308));
    CB_En_Con->SetCaption(Text(309));
    CB_Update->SetCaption(Text(310));
    Btn_Check_Update->SetCaption(Text(311));
    Btn_OK->SetCaption(Text(312));
    Btn_Cancel->SetCaption(Text(313));
    CB_Soft_Set_Jump_Table->SetCaption(Text(320));
    CB_DoubleClick_Auto_Size->SetCaption(Text(321));
}
