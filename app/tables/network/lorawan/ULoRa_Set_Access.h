#pragma once

#include "app/tables/common/TableEditorFrame.h"

// The LoRaWAN access table: which parts of the gateway's buffer go out as
// uplinks and when, and which parts the downlinks write. Stored in
// "LoRaWAN_SetAccess.xml", which the bank image builder reads again. The FPort
// mode of "ParGen.xml" decides the row count and whether the FPort columns
// show; the checks refuse every row the builder could not take.
class TFLoRa_Set_Access : public TableEditorFrame {
public:
    explicit TFLoRa_Set_Access(QWidget* parent = nullptr);
    ~TFLoRa_Set_Access() override;

    bool Controllo_dati() override;

    TExColumnGrid* ACG_LoRa_Uplink() const { return Grid(0); }
    TExColumnGrid* ACG_LoRa_Downlink() const { return Grid(1); }

    int MaxPayloadSize = 0;
    bool FPortFixed = true;

protected:
    void PrepareTables() override;
    QString RowNumberText(int row) const override;
    QString FilePath() const override;

private:
    bool checkRows(int grid, const QList<int>& faults, int fportColumn);
};

// The file as the editor and the bank image builder both read it.
const TableFile& LoRa_Access_File();

extern TFLoRa_Set_Access* FLoRa_Set_Access;
