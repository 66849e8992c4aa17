// The program block: creates every window in the program's fixed order, the
// main window first, registers each by name with the main window's registry,
// registers the entry points of the other parts, and runs the message loop
// until the main window closes.

#include "app/communication/USaveBincc.h"
#include "app/shell/UMarquellFirmWare.h"
#include "app/shell/UMarquellFirmWareStart.h"
#include "app/shell/WindowRegistry.h"

#include <QApplication>

namespace {

void RegisterEntryPoints()
{
    Register_Command(QStringLiteral("Build_Bank_Images"), [](const QString&, QString& error) {
        return Compile_Bin_Banks(error) && Save_Bin_Files(error);
    });
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Create_Shell_Windows();
    RegisterEntryPoints();
    FMarquellFirmWare->Show();
    const int exitCode = app.exec();
    Destroy_Shell_Windows();
    return exitCode;
}
