#pragma once

#include "app/tables/common/TableEditorFrame.h"

// The IEC 61850 server variables: the variables the gateway publishes as an
// IEC 61850 server, each tied to a place in its data array (name, type,
// length, read-only, conversion and factor, byte and word swapping). One
// table of 50 rows, stored in "IEC61850_Variables.xml" with its rows under the
// root; its rules are in UIEC61850_VariablesChecks.h.
class TFIEC61850_Variables : public TableEditorFrame {
public:
    explicit TFIEC61850_Variables(QWidget* parent = nullptr);
    ~TFIEC61850_Variables() override;

    bool Controllo_dati() override;

    TExColumnGrid* ACG() const { return Grid(0); }

    int NByte_IN = 1438;

protected:
    void PrepareTables() override;
    QString FilePath() const override;
};

// The file as the editor reads and writes it.
const TableFile& IEC61850_Variables_File();

extern TFIEC61850_Variables* FIEC61850_Variables;
