#pragma once

#include "app/tables/common/TableEditorFrame.h"
#include "app/tables/network/s7/US7_Protocol_Set_AccessChecks.h"

// The S7 access tables: the PLC data the gateway, as an S7comm client, polls
// into its data array (read table) and the data it writes to PLCs (write
// table). Each row names the PLC, the memory item and the place in the data
// array; stored in "S7_Protocol.xml". OK checks each enabled row
// (US7_Protocol_Set_AccessChecks.h), counting the PLC connections of both
// tables afresh in array_ip_Port: the gateway holds ten.
class TFS7_Protocol_Set_Access : public TableEditorFrame {
public:
    explicit TFS7_Protocol_Set_Access(QWidget* parent = nullptr);
    ~TFS7_Protocol_Set_Access() override;

    bool Controllo_dati() override;
    int Check_IP_Port(quint8 IP1, quint8 IP2, quint8 IP3, quint8 IP4, int Port);

    TExColumnGrid* ACG_S7_Read() const { return Grid(0); }
    TExColumnGrid* ACG_S7_Write() const { return Grid(1); }

    int NByte_IN = 1500;
    int NByte_OUT = 1500;
    TIPPortArray array_ip_Port;

protected:
    void PrepareTables() override;
    QString FilePath() const override;

private:
    bool checkTable(int grid, int nbyte);
};

// The file as the editor reads and writes it.
const TableFile& S7_Protocol_File();

extern TFS7_Protocol_Set_Access* FS7_Protocol_Set_Access;
