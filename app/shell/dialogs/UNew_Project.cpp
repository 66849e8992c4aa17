#include "app/shell/dialogs/UNew_Project.h"

#include "app/shell/buttons/LbButton.h"
#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/shell/mainwindow/UMarquellFirmWareSettings.h"
#include "platform/core/Files.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/window/Dialogs.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/panels/Label.h"

#include <QDir>

TFNew_Project* FNew_Project = nullptr;

namespace {

constexpr int Text_Not_Valid = 105;
constexpr int Text_Exists = 106;
constexpr int Text_Empty = 107;

void ShowError(int text)
{
    MessageDlg(Lang_Texts[text], mtError, mbOK, 0);
}

} // namespace

int Check_New_Project_Name(const QString& name)
{
    if (name.isEmpty())
        return Text_Empty;
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return Text_Not_Valid;
    for (const QChar c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20 || c.unicode() == 0x7F)
            return Text_Not_Valid;
    return 0;
}

TFNew_Project::TFNew_Project(QWidget* parent)
    : TForm(parent)
{
    setObjectName(QStringLiteral("FNew_Project"));
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(331);
    SetClientHeight(162);
    const TDialogTitle title = Make_Dialog_Title(this);
    P_Title = title.P_Title;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    Label1 = new TLabel(this);
    Label1->SetName(QStringLiteral("Label1"));
    Label1->SetBounds(12, 72, 300, 16);
    E_New_Proj = new TEdit(this);
    E_New_Proj->SetName(QStringLiteral("E_New_Proj"));
    E_New_Proj->SetBounds(12, 90, 307, 22);
    E_New_Proj->SetShowHint(true);
    // Enter in the name field confirms, as OK does.
    QObject::connect(E_New_Proj, &QLineEdit::returnPressed, this, [this] { Btn_OKClick(E_New_Proj); });
    const TDialogButtons buttons = Make_Dialog_Buttons(this, 331);
    P_Button = buttons.P_Button;
    Btn_OK = buttons.Btn_OK;
    Btn_Cancel = buttons.Btn_Cancel;
    Btn_OK->OnClick = [this](TObject* Sender) { Btn_OKClick(Sender); };
}

TFNew_Project::~TFNew_Project()
{
    if (FNew_Project == this)
        FNew_Project = nullptr;
}

void TFNew_Project::FormCreate(TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(331);
    SetClientHeight(162);
    Set_Lang();
}

void TFNew_Project::FormShow(TObject*)
{
    E_New_Proj->SetText(QString());
    if (E_New_Proj->CanFocus())
        E_New_Proj->SetFocus();
}

void TFNew_Project::Btn_OKClick(TObject*)
{
    const QString name = Trim(E_New_Proj->Text());
    if (const int refused = Check_New_Project_Name(name)) {
        ShowError(refused);
        return;
    }
    const QString folder = Path_Projects + QLatin1Char('/') + name;
    if (!Find_Project_Folder(name).isEmpty()) {
        ShowError(Text_Exists);
        return;
    }
    if (!CreateDir(folder)) {
        ShowError(Text_Not_Valid);
        return;
    }
    if (!CreateDir(folder + QLatin1String("/bin"))) {
        QDir(folder).removeRecursively();
        ShowError(Text_Not_Valid);
        return;
    }
    Name_Project = name;
    Path_Project = folder;
    Set_Files();
    SetModalResult(mrOk);
}

void TFNew_Project::Set_Lang()
{
    SetCaption(Lang_Texts[100]);
    L_SW_Desc->SetCaption(Lang_Texts[101]);
    Label1->SetCaption(Lang_Texts[102]);
    Btn_OK->SetCaption(Lang_Texts[103]);
    Btn_OK->SetHint(Lang_Texts[109]);
    Btn_Cancel->SetCaption(Lang_Texts[104]);
    Btn_Cancel->SetHint(Lang_Texts[110]);
    E_New_Proj->SetHint(Lang_Texts[108]);
}
