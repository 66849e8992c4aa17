#pragma once

// The LoRaWAN access editor in a project folder of the test's own, shown
// modally through the test seams.

#include "app/tables/network/lorawan/ULoRa_Set_Access.h"
#include "tests/app/tables/common/TableEditorFixture.h"

class LoRaAccess : public TableEditorTest<TFLoRa_Set_Access> {
protected:
    void SetUp() override
    {
        StartProject();
        File_LoRaWAN_SetAccess = Path_Project + "/LoRaWAN_SetAccess.xml";
        CreateEditor();
    }

    static void WriteParGen(const QString& payload, const QString& fport)
    {
        Write(File_ParGen, "<Par_Gen><LoRa_Payload_Size>" + payload + "</LoRa_Payload_Size><LoRa_FPort>" + fport
                               + "</LoRa_FPort></Par_Gen><!-- SW_VERSION = 1.000 -->");
    }

    TExColumnGrid* Up() const { return editor->ACG_LoRa_Uplink(); }
    TExColumnGrid* Down() const { return editor->ACG_LoRa_Downlink(); }
};
