#pragma once

#include "app/tables/common/TableEditorFrame.h"

// The SNMP manager table: the requests the gateway, as an SNMP manager, makes
// to other SNMP devices (the device, version and community or version 3
// security, the object, when it is asked and where its value lives in the
// gateway's data array). One table, stored in "SNMP_Manager.xml" with its rows
// under the root. A click on a cell selects nothing. Besides each row's rules
// (USNMPManagerAccessChecks.h), no two enabled rows may ask one device for one
// object, and the texts of all rows must fit the gateway's character budget.
class TFSNMPManagerAccess : public TableEditorFrame {
public:
    explicit TFSNMPManagerAccess(QWidget* parent = nullptr);
    ~TFSNMPManagerAccess() override;

    bool Controllo_dati() override;

    TExColumnGrid* ACG_SNMP() const { return Grid(0); }

protected:
    void PrepareTables() override;
    void TablesLoaded() override;
    QString FilePath() const override;
};

// The file as the editor reads and writes it.
const TableFile& SNMP_Manager_File();

extern TFSNMPManagerAccess* FSNMPManagerAccess;
