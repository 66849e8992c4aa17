#pragma once

// Shared by the files of the IEC 61850 client window: its columns and texts.

#include <QString>

class TExColumnGrid;

namespace iec {

// Columns of ACG_DA.
enum DaColumn {
    Da_Index = 1, Da_bType, Da_fc, Da_Reference, Da_StartByte, Da_NumByte, Da_IPAddress, Da_Port, Da_OnChange,
    Da_OnCMD, Da_OnTimer, Da_Time, Da_Position, Da_StartBit, Da_ReadWrite, Da_Convertion, Da_MoltFact, Da_Mnemonic,
    Da_Columns
};
// Columns of ACG_DataSet.
enum DsColumn { Ds_Index = 1, Ds_Reference, Ds_GooseName, Ds_EnGoose, Ds_Columns = 9 };
// Columns of ACG_DS_Vars.
enum VarColumn { Var_bType = 1, Var_Reference, Var_Position, Var_StartBit, Var_Convertion, Var_MultFact, Var_Mnemonic,
                 Var_Columns };

constexpr int Text_Row_Error = 4952;
constexpr int Text_Device_In_Use = 4968;
constexpr int Text_Add_Failed = 4969;
constexpr int Text_Catalog_Missing = 4970;

// The device position a row's "Index" cell names; -1 when it is no number.
int Row_Device_Index(TExColumnGrid* grid, int row);
// A grid is empty when its only row has no "Index".
bool Grid_Is_Empty(TExColumnGrid* grid);
void Clear_Grid_Rows(TExColumnGrid* grid, int rowCount);

} // namespace iec
