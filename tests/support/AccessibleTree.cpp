#include "tests/support/AccessibleTree.h"

#include <QtGui/QAccessible>
#include <QtWidgets/QWidget>

namespace testsupport {

namespace {

// Deeper than any window nests its controls; a tree that goes on is a cycle.
constexpr int Deepest = 64;

bool isTable(QAccessibleInterface* node)
{
    return node->role() == QAccessible::Table && node->tableInterface();
}

QAccessibleInterface* findBelow(QAccessibleInterface* node, const std::function<bool(QAccessibleInterface*)>& match,
                                int depth)
{
    if (match(node))
        return node;
    if (depth == Deepest || isTable(node))
        return nullptr;
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface* child = node->child(i))
            if (QAccessibleInterface* found = findBelow(child, match, depth + 1))
                return found;
    return nullptr;
}

QString describe(QAccessibleInterface* node)
{
    const QObject* object = node->object();
    return QStringLiteral("%1 \"%2\" (%3)")
        .arg(int(node->role()))
        .arg(node->text(QAccessible::Name),
             object ? QString::fromLatin1(object->metaObject()->className()) + ' ' + object->objectName()
                    : QStringLiteral("no object"));
}

void collectFaults(QAccessibleInterface* node, int depth, QStringList& faults)
{
    if (depth == Deepest) {
        faults << QStringLiteral("no end below %1").arg(describe(node));
        return;
    }
    const bool table = isTable(node);
    const int count = table ? qMin(node->childCount(), 2 * node->tableInterface()->columnCount())
                            : node->childCount();
    for (int i = 0; i < count; ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child) {
            faults << QStringLiteral("child %1 of %2 missing").arg(i).arg(describe(node));
            continue;
        }
        if (child->parent() != node)
            faults << QStringLiteral("child %1 of %2 has another parent").arg(i).arg(describe(node));
        if (node->indexOfChild(child) != i)
            faults << QStringLiteral("child %1 of %2 is found at %3")
                          .arg(i)
                          .arg(describe(node))
                          .arg(node->indexOfChild(child));
        if (!table)
            collectFaults(child, depth + 1, faults);
    }
}

} // namespace

QAccessibleInterface* AccessibleWindow(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget->window());
}

QAccessibleInterface* FindAccessible(QAccessibleInterface* root,
                                     const std::function<bool(QAccessibleInterface*)>& match)
{
    return root ? findBelow(root, match, 0) : nullptr;
}

QStringList AccessibleColumnHeaders(QAccessibleInterface* table)
{
    QStringList headers;
    if (!table || !table->tableInterface())
        return headers;
    const int columns = table->tableInterface()->columnCount();
    for (int c = 0; c < columns; ++c) {
        QAccessibleInterface* header = table->child(c);
        if (!header || header->role() != QAccessible::ColumnHeader)
            continue;
        QAccessibleInterface* below = table->child(columns + c);
        if (below && below->role() == QAccessible::RowHeader)
            continue;
        headers << header->text(QAccessible::Name);
    }
    return headers;
}

QAccessibleInterface* FindAccessibleTable(QWidget* widget, const QStringList& headers)
{
    return FindAccessible(AccessibleWindow(widget), [&](QAccessibleInterface* node) {
        return isTable(node) && AccessibleColumnHeaders(node) == headers;
    });
}

QAccessibleInterface* AccessibleCell(QAccessibleInterface* table, int row, const QString& header)
{
    if (!table || !table->tableInterface())
        return nullptr;
    const int columns = table->tableInterface()->columnCount();
    for (int c = 0; c < columns; ++c) {
        QAccessibleInterface* head = table->child(c);
        if (head && head->role() == QAccessible::ColumnHeader && head->text(QAccessible::Name) == header)
            return table->child(row * columns + c);
    }
    return nullptr;
}

QStringList AccessibleTreeFaults(QAccessibleInterface* root)
{
    QStringList faults;
    if (root)
        collectFaults(root, 0, faults);
    return faults;
}

} // namespace testsupport
