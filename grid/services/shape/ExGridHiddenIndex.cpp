#include "grid/services/shape/ExGridHiddenIndex.h"

#include "platform/core/StringList.h"

#include <algorithm>

bool THiddenColumns::IsHidden(int ACol) const
{
    return ACol >= 0 && ACol < static_cast<int>(hidden_.size()) && hidden_[static_cast<size_t>(ACol)];
}

void THiddenColumns::Hide(int ACol, int AWidth)
{
    if (ACol < 0 || IsHidden(ACol))
        return;
    if (ACol >= static_cast<int>(hidden_.size()))
        hidden_.resize(static_cast<size_t>(ACol) + 1, false);
    hidden_[static_cast<size_t>(ACol)] = true;
    ++count_;
    SetWidth(ACol, AWidth);
}

int THiddenColumns::Show(int ACol)
{
    if (!IsHidden(ACol))
        return Width(ACol);
    hidden_[static_cast<size_t>(ACol)] = false;
    --count_;
    return Width(ACol);
}

int THiddenColumns::Width(int ACol) const
{
    if (ACol < 0 || ACol >= static_cast<int>(widths_.size()))
        return 0;
    return widths_[static_cast<size_t>(ACol)];
}

void THiddenColumns::SetWidth(int ACol, int AWidth)
{
    if (ACol < 0)
        return;
    if (ACol >= static_cast<int>(widths_.size()))
        widths_.resize(static_cast<size_t>(ACol) + 1, 0);
    widths_[static_cast<size_t>(ACol)] = AWidth;
}

int THiddenColumns::DisplayToReal(int ACol) const
{
    if (ACol < 0)
        return -1;
    if (count_ == 0)
        return ACol;
    int shown = 0;
    for (size_t j = 0; j < hidden_.size(); ++j) {
        if (hidden_[j])
            continue;
        if (shown == ACol)
            return static_cast<int>(j);
        ++shown;
    }
    // every column past the table is shown
    return static_cast<int>(hidden_.size()) + (ACol - shown);
}

int THiddenColumns::RealToDisplay(int ACol) const
{
    if (count_ == 0 || ACol <= 0)
        return ACol;
    const auto end = hidden_.begin() + std::min<std::ptrdiff_t>(ACol, static_cast<std::ptrdiff_t>(hidden_.size()));
    return ACol - static_cast<int>(std::count(hidden_.begin(), end, true));
}

void THiddenColumns::Insert(int ACol, int ACount)
{
    if (ACol < 0 || ACount <= 0)
        return;
    const auto at = static_cast<size_t>(ACol);
    if (at < hidden_.size())
        hidden_.insert(hidden_.begin() + static_cast<std::ptrdiff_t>(at), static_cast<size_t>(ACount), false);
    if (at < widths_.size())
        widths_.insert(widths_.begin() + static_cast<std::ptrdiff_t>(at), static_cast<size_t>(ACount), 0);
}

void THiddenColumns::Remove(int ACol, int ACount)
{
    if (ACol < 0 || ACount <= 0)
        return;
    const auto eraseRange = [ACol, ACount](auto& entries) {
        const auto first = std::min(entries.size(), static_cast<size_t>(ACol));
        const auto last = std::min(entries.size(), static_cast<size_t>(ACol) + static_cast<size_t>(ACount));
        entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(first),
                      entries.begin() + static_cast<std::ptrdiff_t>(last));
        return std::make_pair(first, last);
    };
    const size_t from = std::min(hidden_.size(), static_cast<size_t>(ACol));
    const size_t to = std::min(hidden_.size(), static_cast<size_t>(ACol) + static_cast<size_t>(ACount));
    count_ -= static_cast<int>(std::count(hidden_.begin() + static_cast<std::ptrdiff_t>(from),
                                          hidden_.begin() + static_cast<std::ptrdiff_t>(to), true));
    eraseRange(hidden_);
    eraseRange(widths_);
}

int HiddenDisplayToRealRow(int ARow, std::vector<int> HiddenRows)
{
    if (ARow < 0)
        return -1;
    std::sort(HiddenRows.begin(), HiddenRows.end());
    int real = ARow;
    for (int hidden : HiddenRows) {
        if (hidden > real)
            break;
        if (hidden >= 0)
            ++real;
    }
    return real;
}

int HiddenRealToDisplayRow(int ARow, const std::vector<int>& HiddenRows)
{
    return ARow - static_cast<int>(std::count_if(HiddenRows.begin(), HiddenRows.end(),
                                                 [ARow](int hidden) { return hidden < ARow; }));
}

TGridItem::TGridItem() : items_(std::make_unique<TStringList>()) {}

TGridItem::~TGridItem() { ClearItems(); }

TObject* TGridItem::TakeObject(int Index)
{
    TObject* object = items_->Objects(Index);
    items_->SetObjects(Index, nullptr);
    return object;
}

void TGridItem::ClearItems()
{
    for (int i = 0; i < items_->Count(); ++i)
        delete TakeObject(i);
    items_->Clear();
}
