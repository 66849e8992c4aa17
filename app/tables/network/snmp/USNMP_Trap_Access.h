#pragma once

#include "app/tables/common/TableEditorFrame.h"

#include "platform/core/StringList.h"

// The SNMP agent tables: the values of the gateway's data array that managers
// read (and that go out as traps) and the values they write. Stored in
// "SNMP_Trap.xml", which the bank image builder and the MIB export read again.
// The checks refuse descriptions the MIB module cannot hold and trap addresses
// the builder would misread.
class TFSNMP_Trap_Access : public TableEditorFrame {
public:
    explicit TFSNMP_Trap_Access(QWidget* parent = nullptr);
    ~TFSNMP_Trap_Access() override;

    bool Controllo_dati() override;
    // Numbers the enabled rows in column 0 as the MIB numbers their objects.
    void Index_Row_Build(TExColumnGrid* grid);
    void ACG_SNMP_ReadCheckBoxClick(TObject* Sender, int ACol, int ARow, bool State);

    // True (a fault) when a character breaks the rule of the check type: 0
    // letters and digits (community names), 1 the same with a lower-case
    // letter first (descriptions, which become MIB object names).
    static bool Check_Error_CommName_Desc(const QString& text, int checkType);
    // A name the MIB module itself defines or builds from a number; a
    // description of that name would define it twice.
    static bool Is_MIB_Module_Name(const QString& text);

    TExColumnGrid* ACG_SNMP_Read() const { return Grid(0); }
    TExColumnGrid* ACG_SNMP_Write() const { return Grid(1); }

    int NByte_IN = 1440;
    int NByte_OUT = 1440;
    TStringList SL_Check_Desc;

protected:
    void FormCreate(TObject* Sender) override;
    void PrepareTables() override;
    void TablesLoaded() override;
    void RowsChanged(int grid) override;
    QString FilePath() const override;

private:
    struct Layout;
    int rowFault(const Layout& layout, int row);
    bool checkTable(const Layout& layout);
};

// The file as the editor, the MIB export and the bank image builder read it.
const TableFile& SNMP_Trap_File();

extern TFSNMP_Trap_Access* FSNMP_Trap_Access;
