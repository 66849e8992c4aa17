// The sort settings' text form and the operations that change the sort state
// without moving rows.

#include "grid/engine/ExGrid.h"
#include "grid/engine/ExGridDataSettings.h"
#include "grid/foundation/objects/ExObjLists.h"
#include "platform/core/Exceptions.h"

QString TSortSettings::SaveToString() const
{
    if (m_indexShow)
        return QStringLiteral("i;") + (m_owner ? m_owner->SortIndexes()->SaveToString() : QString());
    return (m_direction == sdDescending ? QStringLiteral("d") : QStringLiteral("u")) + QString::number(m_column);
}

void TSortSettings::LoadFromString(const QString& Value)
{
    if (Value.isEmpty())
        return;
    SetShow(true);
    if (Value.size() < 2)
        throw Exception(QStringLiteral("Invalid sort settings specifier"));
    if (Value.contains(QStringLiteral("i;"))) {
        m_indexShow = true;
        const QString list = Value.mid(2);
        if (!m_owner)
            return;
        if (!list.isEmpty())
            m_owner->SortIndexes()->LoadFromString(list);
        m_owner->QSortIndexed();
        return;
    }
    m_indexShow = false;
    m_direction = Value.contains(u'u') ? sdAscending : sdDescending;
    bool isNumber = false;
    const int column = Value.mid(1).toInt(&isNumber, 10);
    if (!isNumber)
        return;
    m_column = column;
    if (m_owner)
        m_owner->QSort();
}

void TSortSettings::Remove()
{
    m_column = -1;
    if (!m_owner)
        return;
    m_owner->SortIndexes()->Clear();
    if (m_owner->FixedRows() > 0)
        m_owner->InvalidateRow(m_owner->FixedRows() - 1);
}

void TSortSettings::ToggleDirection()
{
    m_direction = m_direction == sdAscending ? sdDescending : sdAscending;
}
