#include "app/shell/TObjectList.h"

#include "platform/core/Exceptions.h"

#include <vector>

struct TObjectList::Private {
    std::vector<std::unique_ptr<TObject>> items;
    mutable std::recursive_mutex mutex;
};

namespace {

void checkIndex(int index, std::size_t count)
{
    if (index < 0 || static_cast<std::size_t>(index) >= count)
        throw Exception(QStringLiteral("List index out of bounds (%1)").arg(index));
}

} // namespace

TObjectList::TObjectList() : d(std::make_unique<Private>()) {}

TObjectList::~TObjectList() = default;

int TObjectList::Count() const
{
    return static_cast<int>(d->items.size());
}

TObject* TObjectList::Items(int index) const
{
    checkIndex(index, d->items.size());
    return d->items[static_cast<std::size_t>(index)].get();
}

int TObjectList::Add(TObject* object)
{
    d->items.emplace_back(object);
    return Count() - 1;
}

void TObjectList::Delete(int index)
{
    checkIndex(index, d->items.size());
    d->items.erase(d->items.begin() + index);
}

void TObjectList::Clear()
{
    d->items.clear();
}

int TObjectList::IndexOf(const TObject* object) const
{
    for (std::size_t i = 0; i < d->items.size(); ++i)
        if (d->items[i].get() == object)
            return static_cast<int>(i);
    return -1;
}

std::recursive_mutex& TObjectList::Lock() const
{
    return d->mutex;
}
