#include "app/shell/mainwindow/UMarquellFirmWareStart.h"

#include "app/shell/dialogs/UAbout.h"
#include "app/shell/mainwindow/UMarquellFirmWare.h"
#include "app/shell/dialogs/UNew_Project.h"
#include "app/shell/dialogs/UOpenConf.h"
#include "app/shell/dialogs/USoftOptions.h"
#include "app/shell/WindowRegistry.h"

namespace {

template <class Form>
void RegisterWithTexts(const char* name, Form* form)
{
    WindowEntry entry;
    entry.form = form;
    entry.setLang = [form] { form->Set_Lang(); };
    Register_Window(QLatin1String(name), entry);
}

template <class Form>
void Forget(Form*& form)
{
    delete form;
    form = nullptr;
}

} // namespace

void Create_Shell_Windows()
{
    FMarquellFirmWare = platform::CreateForm<TFMarquellFirmWare>();
    RegisterWithTexts("FMarquellFirmWare", FMarquellFirmWare);
    FNew_Project = platform::CreateForm<TFNew_Project>();
    RegisterWithTexts("FNew_Project", FNew_Project);
    FOpenConf = platform::CreateForm<TFOpenConf>();
    RegisterWithTexts("FOpenConf", FOpenConf);
    FAbout = platform::CreateForm<TFAbout>();
    WindowEntry about;
    about.form = FAbout;
    Register_Window(QStringLiteral("FAbout"), about);
    FSoftOptions = platform::CreateForm<TFSoftOptions>();
    RegisterWithTexts("FSoftOptions", FSoftOptions);
}

void Destroy_Shell_Windows()
{
    Clear_Window_Registry();
    Forget(FSoftOptions);
    Forget(FAbout);
    Forget(FOpenConf);
    Forget(FNew_Project);
    Forget(FMarquellFirmWare);
}
