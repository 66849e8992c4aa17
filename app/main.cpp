// The program block: makes the window fonts available, creates every window in the program's fixed order, the
// main window first, registers each by name with the main window's registry,
// registers the entry points of the other parts, and runs the message loop
// until the main window closes.

#include "app/ShownProbe.h"
#include "app/communication/UCommunicationStart.h"
#include "app/shell/mainwindow/UMarquellFirmWare.h"
#include "app/shell/mainwindow/UMarquellFirmWareStart.h"
#include "app/shell/WindowRegistry.h"
#include "app/tables/network/UNetworkTablesStart.h"
#include "platform/ui/paint/WindowFonts.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::RegisterWindowFonts();
    Create_Shell_Windows();
    Create_Communication_Windows();
    Create_Network_Table_Windows();
    Close_When_Shown_If_Asked(FMarquellFirmWare);
    FMarquellFirmWare->Show();
    const int exitCode = app.exec();
    Clear_Window_Registry();
    Destroy_Network_Table_Windows();
    Destroy_Communication_Windows();
    Destroy_Shell_Windows();
    return exitCode;
}
