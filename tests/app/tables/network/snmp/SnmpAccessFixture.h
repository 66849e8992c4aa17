#pragma once

// The SNMP agent tables editor in a project folder of the test's own.

#include "app/tables/network/snmp/USNMP_Trap_Access.h"
#include "tests/app/tables/common/TableEditorFixture.h"

class SnmpAccess : public TableEditorTest<TFSNMP_Trap_Access> {
protected:
    void SetUp() override
    {
        StartProject();
        File_LoRaWAN_SetAccess = Path_Project + "/LoRaWAN_SetAccess.xml";
        File_SNMP_Trap = Path_Project + "/SNMP_Trap.xml";
        CreateEditor();
    }

    TExColumnGrid* Rd() const { return editor->ACG_SNMP_Read(); }
    TExColumnGrid* Wr() const { return editor->ACG_SNMP_Write(); }

    // Rows from column 1 that pass every check.
    static QStringList ReadRow(const QString& description)
    {
        return {"Y", "public", "Int", "N", "N", "N", "", "10", "0", "16", description, "192.168.1.10", "None", "m"};
    }
    static QStringList WriteRow(const QString& description)
    {
        return {"Y", "public", "Int", "12", "0", "16", description, "None", "set"};
    }
    static QStringList With(QStringList row, int column, const QString& text)
    {
        row[column - 1] = text;
        return row;
    }
    static QStringList Column0(TExColumnGrid* grid, int rows)
    {
        QStringList numbers;
        for (int r = 1; r <= rows; ++r)
            numbers << grid->AllCells(0, r);
        return numbers;
    }
};
