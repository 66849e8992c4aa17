#pragma once

#include "app/tables/common/TableEditorFrame.h"

// The BACnet server table: the objects the gateway, as a BACnet server,
// offers to BACnet clients, with the place of each value in its memory.
// Objects of the read page expose data clients read, those of the write page
// take data clients write. Stored in "BACnet_Slave_SetAccess.xml", from which
// the EDE export lists the objects. It has no Enable column; a double click on
// an Eng. Unit data cell opens the unit chooser, and picking a write type sets
// its default Length. Its rules are in UBACnetSlaveSetAccessChecks.h.
class TFBACnetSlaveSetAccess : public TableEditorFrame {
public:
    explicit TFBACnetSlaveSetAccess(QWidget* parent = nullptr);
    ~TFBACnetSlaveSetAccess() override;

    // Both grids: the unit chooser on an Eng. Unit data cell, then the
    // header's column sizing.
    void ACG_BACnet_in_DblClickCell(TObject* Sender, int ARow, int ACol);
    void ACG_BACnet_in_WriteComboChange(TObject* Sender, int ACol, int ARow, int ItemIndex,
                                        const QString& ASelection);
    bool Controllo_dati() override;

    TExColumnGrid* ACG_BACnet_in_Read() const { return Grid(0); }
    TExColumnGrid* ACG_BACnet_in_Write() const { return Grid(1); }

    // The description limit of "ParGen.xml": 1000 rows and requests, not 2000.
    bool Desc_Lenght = false;
    int NByte_IN = 1500;
    int NByte_OUT = 1500;

protected:
    void FormCreate(TObject* Sender) override;
    void PrepareTables() override;
    QString FilePath() const override;
};

// The file as the editor reads and writes it; the EDE export reads it too.
const TableFile& BACnet_Slave_SetAccess_File();
// Whether "ParGen.xml" turns the BACnet description limit on: its element
// "BACnet_Desc_Chars_Limit" is exactly "1". Off without the file or element.
bool BACnet_Desc_Chars_Limit();

extern TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess;
