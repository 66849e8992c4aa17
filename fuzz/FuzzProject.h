// The open configuration the readers of project files work in: a project
// folder in the scratch folder with the file paths set, the built-in texts
// loaded, and boxes answered at once (a warning or fault box is a sound
// result for a fuzz input).
#pragma once

#include "fuzz/FuzzSupport.h"

#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "platform/ui/window/ModalSeams.h"

#include <QDir>

namespace fuzz {

inline void OpenScratchProject()
{
    platform::SetModalFailureHook([](const QString&) {});
    Load_Default_Texts();
    SW_Code = QStringLiteral("SVX91");
    Path_Project = ScratchFolder() + QStringLiteral("/PROJECTS/Plant");
    QDir().mkpath(Path_Project + QStringLiteral("/bin"));
    File_ParGen = Path_Project + QStringLiteral("/ParGen.xml");
    File_LoRaWAN_SetAccess = Path_Project + QStringLiteral("/LoRaWAN_SetAccess.xml");
    File_SNMP_Trap = Path_Project + QStringLiteral("/SNMP_Trap.xml");
    File_BACnet_Slave_SetAccess = Path_Project + QStringLiteral("/BACnet_Slave_SetAccess.xml");
    File_SNMP_Manager = Path_Project + QStringLiteral("/SNMP_Manager.xml");
    File_S7_Protocol = Path_Project + QStringLiteral("/S7_Protocol.xml");
    File_IEC61850_Variables = Path_Project + QStringLiteral("/IEC61850_Variables.xml");
}

}  // namespace fuzz
