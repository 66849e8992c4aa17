#include "app/shell/dialogs/UOpenConf.h"

#include "app/shell/buttons/LbButton.h"
#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "platform/ui/panels/Label.h"
#include "platform/ui/controls/ListBox.h"

#include <QDir>

TFOpenConf* FOpenConf = nullptr;

TFOpenConf::TFOpenConf(QWidget* parent)
    : TForm(parent)
{
    setObjectName(QStringLiteral("FOpenConf"));
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(377);
    SetClientHeight(351);
    const TDialogTitle title = Make_Dialog_Title(this);
    P_Title = title.P_Title;
    L_SW_Code = title.L_SW_Code;
    L_SW_Desc = title.L_SW_Desc;
    Label1 = new TLabel(this);
    Label1->SetName(QStringLiteral("Label1"));
    Label1->SetBounds(12, 72, 350, 16);
    ListBox1 = new TListBox(this);
    ListBox1->SetName(QStringLiteral("ListBox1"));
    ListBox1->SetBounds(12, 90, 353, 205);
    ListBox1->SetShowHint(true);
    ListBox1->OnClick = [this](TObject* Sender) { ListBox1Click(Sender); };
    const TDialogButtons buttons = Make_Dialog_Buttons(this, 377);
    P_Button = buttons.P_Button;
    Btn_OK = buttons.Btn_OK;
    Btn_Cancel = buttons.Btn_Cancel;
    Btn_OK->SetModalResult(mrOk);
}

TFOpenConf::~TFOpenConf()
{
    if (FOpenConf == this)
        FOpenConf = nullptr;
}

void TFOpenConf::FormCreate(TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    SetClientWidth(377);
    SetClientHeight(351);
    Set_Lang();
}

void TFOpenConf::Load_Existing_Configuration()
{
    SL.Clear();
    // Hidden folders are not listed, nor links that lead out of PROJECTS.
    const QDir projects(Path_Projects);
    for (const QFileInfo& entry : projects.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort))
        if (!entry.isSymLink())
            SL.Add(entry.fileName());
}

int TFOpenConf::Search_Open_Conf(const QString& snc) const
{
    for (int i = 0; i < SL.Count(); ++i)
        if (SL[i].compare(snc, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void TFOpenConf::FormShow(TObject*)
{
    Load_Existing_Configuration();
    ListBox1->clear();
    for (int i = 0; i < SL.Count(); ++i)
        ListBox1->addItem(SL[i]);
    QString open;
    if (!Path_Project.isEmpty() && Path_Project.startsWith(Path_Projects + QLatin1Char('/')))
        open = Path_Project.mid(Path_Projects.size() + 1);
    int index = Search_Open_Conf(open);
    if (index < 0 && SL.Count() > 0)
        index = 0;
    ListBox1->SetItemIndex(index);
    Name_Conf = index >= 0 ? SL[index] : QString();
}

void TFOpenConf::ListBox1Click(TObject*)
{
    const int index = ListBox1->ItemIndex();
    if (index >= 0)
        Name_Conf = ListBox1->item(index)->text();
}

void TFOpenConf::Set_Lang()
{
    SetCaption(Lang_Texts[200]);
    L_SW_Desc->SetCaption(Lang_Texts[201]);
    Label1->SetCaption(Lang_Texts[202]);
    Btn_OK->SetCaption(Lang_Texts[203]);
    Btn_OK->SetHint(Lang_Texts[206]);
    Btn_Cancel->SetCaption(Lang_Texts[204]);
    Btn_Cancel->SetHint(Lang_Texts[207]);
    ListBox1->SetHint(Lang_Texts[205]);
}
