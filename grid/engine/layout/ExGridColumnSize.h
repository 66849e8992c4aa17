#pragma once

// The column sizing settings of a grid.

#include "grid/engine/ExGridTypes.h"
#include "platform/core/TObject.h"

#include <QtCore/QString>

#include <functional>

class TExStringGrid;

// Which rows auto-sizing measures, whether widths are saved and where, and how
// columns stretch or scale with the grid. Setting Stretch asks the grid to
// stretch again at once (OnStretchChange).
class TColumnSize : public TObject {
public:
    explicit TColumnSize(TExStringGrid* AOwner);

    TAutoSizeRows Rows() const { return m_rows; }
    void SetRows(TAutoSizeRows Value) { m_rows = Value; }
    bool Save() const { return m_save; }
    void SetSave(bool Value) { m_save = Value; }
    QString Key() const { return m_key; }
    void SetKey(const QString& Value) { m_key = Value; }
    QString Section() const { return m_section; }
    void SetSection(const QString& Value) { m_section = Value; }
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool Value);
    int StretchColumn() const { return m_stretchColumn; }
    void SetStretchColumn(int Value) { m_stretchColumn = Value; }
    bool SynchWithGrid() const { return m_synchWithGrid; }
    void SetSynchWithGrid(bool Value) { m_synchWithGrid = Value; }
    bool SynchNormalCellsOnly() const { return m_synchNormalCellsOnly; }
    void SetSynchNormalCellsOnly(bool Value) { m_synchNormalCellsOnly = Value; }
    TColumnSizeLocation Location() const { return m_location; }
    void SetLocation(TColumnSizeLocation Value) { m_location = Value; }

    // Copies all nine settings from another TColumnSize; any other source is
    // ignored.
    void Assign(const TObject* Source);

    TExStringGrid* Owner() const { return m_owner; }
    std::function<void(TObject* Sender)> OnStretchChange;

private:
    TExStringGrid* m_owner;
    TAutoSizeRows m_rows = arAll;
    bool m_save = false;
    QString m_key;
    QString m_section;
    bool m_stretch = false;
    int m_stretchColumn = -1;
    bool m_synchWithGrid = false;
    bool m_synchNormalCellsOnly = false;
    TColumnSizeLocation m_location = clRegistry;
};
