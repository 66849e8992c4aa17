#pragma once

#include "platform/grid/CustomGrid.h"

// A grid whose owner draws and edits the cells through events.
class TCustomDrawGrid : public TCustomGrid {
    Q_OBJECT

public:
    explicit TCustomDrawGrid(QWidget* parent = nullptr);

    std::function<void(TObject* Sender, int ACol, int ARow, const TRect& Rect, TGridDrawState State)> OnDrawCell;
    std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)> OnSelectCell;
    std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)> OnGetEditMask;
    std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)> OnGetEditText;
    std::function<void(TObject* Sender, int ACol, int ARow, const QString& Value)> OnSetEditText;
    std::function<void(TObject* Sender, int FromIndex, int ToIndex)> OnColumnMoved;
    std::function<void(TObject* Sender, int FromIndex, int ToIndex)> OnRowMoved;
    std::function<void(TObject* Sender)> OnTopLeftChanged;

protected:
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    QString GetEditMask(int ACol, int ARow) override;
    QString GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const QString& Value) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    void TopLeftChanged() override;
};

class TDrawGrid : public TCustomDrawGrid {
    Q_OBJECT

public:
    explicit TDrawGrid(QWidget* parent = nullptr);
};
