#pragma once

#include "app/tables/common/TableEditorFrame.h"

#include <memory>

class TOpenDialog;

// The BACnet client access table: what the gateway, as a BACnet client, reads
// from and writes to BACnet devices, with the place of each value in its
// memory. Stored in "BACnet_Master_Access.xml"; rows can be taken over from
// a device's EDE file. The client type read from "ParGen.xml" decides the
// address column and the key column. The row rules are free functions in
// UBACnetAccessChecks.h; an import fills free rows only and names the objects
// it had to leave out (UBACnetAccessImport.cpp).
class TFBACnetAccess : public TableEditorFrame {
public:
    explicit TFBACnetAccess(QWidget* parent = nullptr);
    ~TFBACnetAccess() override;

    void Set_Lang();
    void ACG1GridHint(TObject* Sender, int ARow, int ACol, QString& hint);
    QString Str_Hint_Read(int ARow, int ACol) const;
    QString Str_Hint_Write(int ARow, int ACol) const;
    // True when the address is wrong; its message has then been shown.
    bool Check_Dest_Add(const QString& address, int n, bool read, int row);
    bool Controllo_dati() override;
    void Btn_Import_CSVClick(TObject* Sender);

    TExColumnGrid* ACG1() const { return Grid(0); }
    TExColumnGrid* ACG2() const { return Grid(1); }

    int App_BACnet_Type = 0;
    TLbButton* Btn_Import_CSV;
    std::unique_ptr<TOpenDialog> OD_EDE_File;

protected:
    void FormCreate(TObject* Sender) override;
    void PrepareTables() override;
    QString FilePath() const override;
    int KeyColumn(int grid) const override;

private:
    void readBACnetType();
    void showAddressColumn();
    void addImportedRows();
};

// The file as the editor reads and writes it.
const TableFile& BACnet_Master_Access_File();

extern TFBACnetAccess* FBACnetAccess;
