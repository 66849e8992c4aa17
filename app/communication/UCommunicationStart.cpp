#include "app/communication/UCommunicationStart.h"

#include "app/communication/UBoot.h"
#include "app/communication/UParGen.h"
#include "app/communication/USaveBincc.h"
#include "app/shell/WindowRegistry.h"

#include <QVariant>

namespace {

WindowEntry BootEntry()
{
    WindowEntry boot{FBoot, [] { FBoot->Set_Lang(); }, {}, {}, {}};
    boot.readField = [](const QString& field) {
        return field == QLatin1String("Form_Type") ? QVariant(FBoot->Form_Type) : QVariant();
    };
    boot.writeField = [](const QString& field, const QVariant& value) {
        if (field != QLatin1String("Form_Type"))
            return false;
        FBoot->Form_Type = value.toInt();
        return true;
    };
    return boot;
}

} // namespace

void Create_Communication_Windows()
{
    FParGen = platform::CreateForm<TFParGen>();
    Register_Window(QStringLiteral("FParGen"), {FParGen, [] { FParGen->Set_Lang(); }, {}, {}, {}});
    FBoot = platform::CreateForm<TFBoot>();
    Register_Window(QStringLiteral("FBoot"), BootEntry());
    Register_Command(QStringLiteral("Build_Bank_Images"), [](const QString&, QString& error) {
        return Compile_Bin_Banks(error) && Save_Bin_Files(error);
    });
}

void Destroy_Communication_Windows()
{
    delete FBoot;
    FBoot = nullptr;
    delete FParGen;
    FParGen = nullptr;
}
