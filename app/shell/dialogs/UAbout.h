#pragma once

#include "platform/ui/window/Form.h"

class TImage;
class TLabel;
class TLbButton;

// The about box: product description, code, version and manual code. Its
// texts are never translated.
class TFAbout : public TForm {
public:
    explicit TFAbout(QWidget* parent = nullptr);
    ~TFAbout() override;

    void Label4Click(TObject* Sender);

    TImage* Image2;
    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label3;
    TLabel* Label6;
    TLabel* Label8;
    TLabel* Label9;
    TLabel* Label10;
    TLabel* Label12;
    TLabel* Label4;
    TLbButton* LbButton1;

protected:
    void FormShow(TObject* Sender) override;
};

extern TFAbout* FAbout;
