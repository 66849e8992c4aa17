#include "app/shell/dialogs/UAbout.h"

#include "app/shell/buttons/LbButton.h"
#include "app/shell/mainwindow/UMarquellFirmWare.h"
#include "platform/process/WebAddress.h"
#include "platform/ui/paint/Font.h"
#include "platform/ui/panels/Image.h"
#include "platform/ui/panels/Label.h"

#include <QPainter>

TFAbout* FAbout = nullptr;

namespace {

// The maker's logo: a plain lettered plate, as no logo picture is shipped.
QImage Logo()
{
    QImage image(120, 120, QImage::Format_RGB32);
    image.fill(QColor(40, 70, 120));
    QPainter painter(&image);
    painter.setPen(Qt::white);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(22);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("Telvor"));
    return image;
}

TLabel* MakeLabel(QWidget* parent, const char* name, int left, int top, const QString& caption)
{
    auto* label = new TLabel(parent);
    label->SetName(QLatin1String(name));
    label->SetLeft(left);
    label->SetTop(top);
    label->SetCaption(caption);
    return label;
}

} // namespace

TFAbout::TFAbout(QWidget* parent)
    : TForm(parent)
{
    setObjectName(QStringLiteral("FAbout"));
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetCaption(QStringLiteral("About..."));
    SetClientWidth(425);
    SetClientHeight(148);
    Image2 = new TImage(this);
    Image2->SetName(QStringLiteral("Image2"));
    Image2->SetBounds(8, 8, 100, 100);
    Image2->SetStretch(true);
    Image2->SetPicture(Logo());
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->OnClick = [this](TObject* Sender) { Label4Click(Sender); };
    Label1 = MakeLabel(this, "Label1", 124, 8, QStringLiteral("Software Marquell "));
    Label1->Font().SetStyle(fsBold);
    Label2 = MakeLabel(this, "Label2", 124, 28, QString());
    Label3 = MakeLabel(this, "Label3", 124, 52, QStringLiteral("Version :"));
    Label6 = MakeLabel(this, "Label6", 124, 70, QStringLiteral("Software Code : "));
    Label8 = MakeLabel(this, "Label8", 124, 88, QStringLiteral("Document Code :"));
    Label10 = MakeLabel(this, "Label10", 250, 52, QString());
    Label9 = MakeLabel(this, "Label9", 250, 70, QString());
    Label12 = MakeLabel(this, "Label12", 250, 88, QString());
    Label4 = MakeLabel(this, "Label4", 124, 118, Maker_Web_Caption);
    Label4->Font().SetStyle(fsUnderline);
    Label4->Font().SetColor(clBlue);
    Label4->setCursor(Qt::PointingHandCursor);
    Label4->OnClick = [this](TObject* Sender) { Label4Click(Sender); };
    LbButton1 = new TLbButton(this);
    LbButton1->SetName(QStringLiteral("LbButton1"));
    LbButton1->SetBounds(337, 112, 80, 28);
    LbButton1->SetKind(bkOK);
    LbButton1->SetCaption(QStringLiteral("OK"));
}

TFAbout::~TFAbout()
{
    if (FAbout == this)
        FAbout = nullptr;
}

void TFAbout::FormShow(TObject*)
{
    Label2->SetCaption(QStringLiteral("SNMP Agent / LoRaWAN - Converter"));
    Label9->SetCaption(QStringLiteral("SVX91"));
    Label10->SetCaption(Program_Version);
    Label12->SetCaption(QStringLiteral("DocVX91"));
    SetClientWidth(425);
    SetClientHeight(148);
}

void TFAbout::Label4Click(TObject*)
{
    platform::OpenWebAddress(Maker_Product_Page);
}
