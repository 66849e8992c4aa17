// The picture cache, the picture container with its items, and the worker of
// remote loads.

#include "grid/foundation/pictures/PictureContainer.h"

#include "platform/core/Exceptions.h"

#include <thread>
#include <vector>

namespace {

template <class List>
void checkIndex(const List& list, int index, bool endAllowed = false)
{
    const int count = static_cast<int>(list.size());
    if (index < 0 || index > count || (index == count && !endAllowed))
        throw Exception(QStringLiteral("List index out of bounds (%1)").arg(index));
}

} // namespace

struct THTMLPictureCache::Data {
    std::vector<std::unique_ptr<THTMLPicture>> pictures;
};

THTMLPictureCache::THTMLPictureCache() : d(std::make_unique<Data>()) {}

THTMLPictureCache::~THTMLPictureCache() { ClearPictures(); }

THTMLPicture* THTMLPictureCache::AddPicture()
{
    d->pictures.push_back(std::make_unique<THTMLPicture>());
    return d->pictures.back().get();
}

THTMLPicture* THTMLPictureCache::FindPicture(const QString& ID) const
{
    for (const auto& picture : d->pictures) {
        if (picture->ID() == ID)
            return picture.get();
    }
    return nullptr;
}

int THTMLPictureCache::Count() const { return static_cast<int>(d->pictures.size()); }

THTMLPicture* THTMLPictureCache::GetPicture(int Index) const
{
    checkIndex(d->pictures, Index);
    return d->pictures[Index].get();
}

void THTMLPictureCache::SetPicture(int Index, std::unique_ptr<THTMLPicture> Value)
{
    checkIndex(d->pictures, Index);
    d->pictures[Index] = std::move(Value);
}

void THTMLPictureCache::ClearPictures() { d->pictures.clear(); }

bool THTMLPictureCache::Animate()
{
    bool advanced = false;
    for (const auto& picture : d->pictures) {
        if (picture && picture->Step())
            advanced = true;
    }
    return advanced;
}

struct TPictureItem::Data {
    THTMLPicture picture;
    QString name;
    int tag = 0;
};

TPictureItem::TPictureItem() : d(std::make_unique<Data>()) {}

TPictureItem::~TPictureItem() = default;

THTMLPicture* TPictureItem::Picture() const { return &d->picture; }

void TPictureItem::SetPicture(const THTMLPicture* Value) { d->picture.Assign(Value); }

QString TPictureItem::Name() const { return d->name; }

void TPictureItem::SetName(const QString& Value) { d->name = Value; }

int TPictureItem::Tag() const { return d->tag; }

void TPictureItem::SetTag(int Value) { d->tag = Value; }

void TPictureItem::Assign(const TObject* Source)
{
    const auto* source = dynamic_cast<const TPictureItem*>(Source);
    if (!source)
        throw Exception(QStringLiteral("Invalid class typecast"));
    if (source == this)
        return;
    d->name = source->d->name;
    d->tag = source->d->tag;
    d->picture.Assign(&source->d->picture);
}

struct TPictureCollection::Data {
    TPictureContainer* owner = nullptr;
    std::vector<std::unique_ptr<TPictureItem>> items;
};

TPictureCollection::TPictureCollection(TPictureContainer* AOwner) : d(std::make_unique<Data>())
{
    d->owner = AOwner;
}

TPictureCollection::~TPictureCollection() = default;

TPictureItem* TPictureCollection::Add() { return Insert(Count()); }

TPictureItem* TPictureCollection::Insert(int Index)
{
    checkIndex(d->items, Index, true);
    auto item = d->items.insert(d->items.begin() + Index, std::make_unique<TPictureItem>());
    return item->get();
}

int TPictureCollection::Count() const { return static_cast<int>(d->items.size()); }

TPictureItem* TPictureCollection::Items(int Index) const
{
    checkIndex(d->items, Index);
    return d->items[Index].get();
}

void TPictureCollection::SetItems(int Index, const TPictureItem* Value) { Items(Index)->Assign(Value); }

void TPictureCollection::Delete(int Index)
{
    checkIndex(d->items, Index);
    d->items.erase(d->items.begin() + Index);
}

void TPictureCollection::Clear() { d->items.clear(); }

TPictureContainer* TPictureCollection::GetOwner() const { return d->owner; }

bool TPictureCollection::Animate()
{
    bool advanced = false;
    for (const auto& item : d->items) {
        if (item->Picture()->Step())
            advanced = true;
    }
    return advanced;
}

TPictureContainer::TPictureContainer() : m_items(std::make_unique<TPictureCollection>(this)) {}

TPictureContainer::~TPictureContainer() = default;

TPictureCollection* TPictureContainer::Items() const { return m_items.get(); }

void TPictureContainer::SetItems(const TPictureCollection* Value)
{
    if (!Value || Value == m_items.get())
        return;
    m_items->Clear();
    for (int i = 0; i < Value->Count(); ++i)
        m_items->Add()->Assign(Value->Items(i));
}

THTMLPicture* TPictureContainer::FindPicture(const QString& Name) const
{
    const QString wanted = Name.toUpper();
    for (int i = 0; i < m_items->Count(); ++i) {
        TPictureItem* item = m_items->Items(i);
        if (item->Name().toUpper() == wanted)
            return item->Picture();
    }
    return nullptr;
}

void TDownLoadThread::Start(THTMLPicture* Picture)
{
    std::thread([Picture] {
        TDownLoadThread worker(Picture);
        worker.Execute();
    }).detach();
}

void TDownLoadThread::Execute() {}
