#include "grid/foundation/objects/ExObjLists.h"

#include "platform/core/Format.h"
#include "platform/core/StringList.h"
#include "platform/core/SysUtils.h"

#include <algorithm>

namespace {

constexpr quint32 DescendingBit = 0x80000000u;

[[noreturn]] void raiseIndexError(int Index)
{
    throw EListError(Format(QStringLiteral("List index out of bounds (%d)"), {Index}));
}

} // namespace

TIntList::TIntList(int Col, int Row) : m_col(Col), m_row(Row) {}

void TIntList::changed()
{
    if (OnChange)
        OnChange(this, m_col, m_row);
}

void TIntList::checkIndex(int Index, int Count) const
{
    if (Index < 0 || Index >= Count)
        raiseIndexError(Index);
}

int TIntList::Count() const
{
    return m_items.size();
}

int TIntList::GetInteger(int Index) const
{
    checkIndex(Index, m_items.size());
    return m_items[Index];
}

void TIntList::SetInteger(int Index, int Value)
{
    checkIndex(Index, m_items.size());
    m_items[Index] = Value;
    changed();
}

int TIntList::Add(int Value)
{
    m_items.append(Value);
    changed();
    return m_items.size() - 1;
}

void TIntList::Insert(int Index, int Value)
{
    checkIndex(Index, m_items.size() + 1);
    m_items.insert(Index, Value);
}

void TIntList::Delete(int Index)
{
    checkIndex(Index, m_items.size());
    m_items.removeAt(Index);
    changed();
}

void TIntList::Clear()
{
    m_items.clear();
}

bool TIntList::HasValue(int Value) const
{
    return m_items.contains(Value);
}

int TIntList::IndexOf(int Value) const
{
    return m_items.indexOf(Value);
}

void TIntList::DeleteValue(int Value)
{
    const int i = IndexOf(Value);
    if (i >= 0)
        Delete(i);
}

void TIntList::Sort(const std::function<int(int, int)>& Compare)
{
    std::stable_sort(m_items.begin(), m_items.end(), [&](int a, int b) { return Compare(a, b) < 0; });
}

QString TIntList::StrValue() const
{
    QStringList parts;
    for (int v : m_items)
        parts.append(QString::number(v));
    return parts.join(u',');
}

void TIntList::SetStrValue(const QString& Value)
{
    Clear();
    TStringList items;
    items.SetCommaText(Value);
    for (int i = 0; i < items.Count(); ++i)
        Add(StrToInt(items[i]));
}

void TSortIndexList::AddIndex(int ColumnIndex, bool Ascending)
{
    Add(Ascending ? ColumnIndex : static_cast<int>(quint32(ColumnIndex) | DescendingBit));
}

int TSortIndexList::FindIndex(int ColumnIndex) const
{
    for (int i = 0; i < Count(); ++i)
        if (SortColumns(i) == (ColumnIndex & 0x7FFFFFFF))
            return i;
    return -1;
}

void TSortIndexList::ToggleIndex(int ColumnIndex)
{
    const int i = FindIndex(ColumnIndex);
    if (i >= 0)
        SetInteger(i, static_cast<int>(quint32(GetInteger(i)) ^ DescendingBit));
}

int TSortIndexList::SortColumns(int Index) const
{
    return GetInteger(Index) & 0x7FFFFFFF;
}

void TSortIndexList::SetSortColumns(int Index, int Value)
{
    const quint32 direction = quint32(GetInteger(Index)) & DescendingBit;
    SetInteger(Index, static_cast<int>(direction | (quint32(Value) & 0x7FFFFFFFu)));
}

bool TSortIndexList::SortDirections(int Index) const
{
    return (quint32(GetInteger(Index)) & DescendingBit) == 0;
}

void TSortIndexList::SetSortDirections(int Index, bool Value)
{
    const quint32 item = quint32(GetInteger(Index));
    SetInteger(Index, static_cast<int>(Value ? item & ~DescendingBit : item | DescendingBit));
}

QString TSortIndexList::SaveToString() const
{
    QStringList entries;
    for (int i = 0; i < Count(); ++i) {
        entries.append((SortDirections(i) ? u'u' : u'd') + QString::number(SortColumns(i)));
    }
    return entries.join(u';');
}

void TSortIndexList::LoadFromString(const QString& s)
{
    Clear();
    if (s.isEmpty())
        return;
    const QStringList entries = s.split(u';');
    for (const QString& entry : entries) {
        if (entry.size() < 2)
            continue;
        AddIndex(ReadLeadingInt(entry.mid(1)), entry[0] == u'u');
    }
}

TControlList::~TControlList()
{
    Clear();
}

int TControlList::Count() const
{
    return m_items.size();
}

void TControlList::AddControl(int X, int Y, QWidget* AObject)
{
    m_items.append(new TControlItem(X, Y, AObject));
}

int TControlList::ControlIndex(int X, int Y) const
{
    for (int i = 0; i < m_items.size(); ++i)
        if (m_items[i]->X == X && m_items[i]->Y == Y)
            return i;
    return -1;
}

TControlItem* TControlList::Control(int Index) const
{
    if (Index < 0 || Index >= m_items.size())
        raiseIndexError(Index);
    return m_items[Index];
}

void TControlList::RemoveControl(int Index)
{
    delete Control(Index);
    m_items.removeAt(Index);
}

void TControlList::Clear()
{
    while (!m_items.isEmpty())
        RemoveControl(m_items.size() - 1);
}

bool TControlList::HasHandle(const QWidget* Handle) const
{
    if (!Handle)
        return false;
    return std::any_of(m_items.begin(), m_items.end(),
                       [Handle](const TControlItem* item) { return item->Control == Handle; });
}
