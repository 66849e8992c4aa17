#pragma once

// The sort settings a grid owns, as far as drawing reads them: which column is
// sorted in which direction, the row that shows the indicators and the colours
// of the sorted column's header.

#include "platform/core/TObject.h"
#include "platform/ui/Colors.h"

#include <functional>

enum TSortDirection : int { sdAscending, sdDescending };

class TSortSettings : public TObject {
public:
    // The real column sorted by; -1 for none.
    int Column() const { return m_column; }
    void SetColumn(int Value) { m_column = Value; }
    // Indicators are drawn in the sort row; a new value repaints.
    bool Show() const { return m_show; }
    void SetShow(bool Value);
    int Row() const { return m_row; }
    void SetRow(int Value) { m_row = Value; }
    TSortDirection Direction() const { return m_direction; }
    void SetDirection(TSortDirection Value) { m_direction = Value; }
    bool IndexShow() const { return m_indexShow; }
    void SetIndexShow(bool Value) { m_indexShow = Value; }
    TColor IndexColor() const { return m_indexColor; }
    void SetIndexColor(TColor Value) { m_indexColor = Value; }
    // Header clicks on fixed columns sort, and their headers show the sort.
    bool FixedCols() const { return m_fixedCols; }
    void SetFixedCols(bool Value) { m_fixedCols = Value; }
    // The sorted column's header gradient; a different value repaints.
    TColor HeaderColor() const { return m_headerColor; }
    void SetHeaderColor(TColor Value) { setColor(m_headerColor, Value); }
    TColor HeaderColorTo() const { return m_headerColorTo; }
    void SetHeaderColorTo(TColor Value) { setColor(m_headerColorTo, Value); }
    TColor HeaderMirrorColor() const { return m_headerMirrorColor; }
    void SetHeaderMirrorColor(TColor Value) { setColor(m_headerMirrorColor, Value); }
    TColor HeaderMirrorColorTo() const { return m_headerMirrorColorTo; }
    void SetHeaderMirrorColorTo(TColor Value) { setColor(m_headerMirrorColorTo, Value); }

    // Copies every setting from other sort settings; any other source is
    // ignored.
    void Assign(const TObject* Source);

    std::function<void(TObject* Sender)> OnChange;

private:
    void setColor(TColor& field, TColor value);
    void changed();
    int m_column = -1;
    bool m_show = false;
    int m_row = 0;
    TSortDirection m_direction = sdAscending;
    bool m_indexShow = false;
    TColor m_indexColor = clYellow;
    bool m_fixedCols = false;
    TColor m_headerColor = clNone;
    TColor m_headerColorTo = clNone;
    TColor m_headerMirrorColor = clNone;
    TColor m_headerMirrorColorTo = clNone;
};
