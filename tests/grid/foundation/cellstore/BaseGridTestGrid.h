#pragma once

// A cell store that records the calls of its overridable operations and opens
// its protected input hooks to the tests.

#include "grid/foundation/cellstore/BaseGrid.h"

#include <QtCore/QString>

#include <vector>

class RecordingGrid : public TBaseGrid {
public:
    RecordingGrid()
    {
        SetColCount(8);
        SetRowCount(8);
        SetNormalRowCount(8);
    }

    std::vector<QString> calls;
    int footerChanges = 0;

    void CellContentChanged(int ACol, int ARow) override
    {
        calls.push_back(QStringLiteral("changed %1,%2").arg(ACol).arg(ARow));
    }
    void FooterRowChanged() override { ++footerChanges; }
    void QueryDisplayText(int ACol, int ARow, QString& Value) override
    {
        calls.push_back(QStringLiteral("display %1,%2").arg(ACol).arg(ARow));
        TBaseGrid::QueryDisplayText(ACol, ARow, Value);
    }
    void QueryDefaultCellProperties(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                                    TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                    bool& WW, TCellGradientDirection& GD) override
    {
        calls.push_back(QStringLiteral("defaults %1,%2").arg(ACol).arg(ARow));
        TBaseGrid::QueryDefaultCellProperties(ACol, ARow, AFont, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, HA,
                                              VA, WW, GD);
    }

    void PressKey(Word key)
    {
        Word k = key;
        KeyDown(k, TShiftState());
    }
    using TBaseGrid::SetHideLastRow;
    using TBaseGrid::SetNormalRowCount;
};
