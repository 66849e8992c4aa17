#pragma once

#include "platform/core/TObject.h"

#include <memory>
#include <mutex>

// An index-addressed list that owns its objects: deleting an item, clearing
// the list or destroying it deletes the objects. Lists shared between threads
// are guarded by the caller holding Lock() for each read or change.
class TObjectList {
public:
    TObjectList();
    ~TObjectList();
    TObjectList(const TObjectList&) = delete;
    TObjectList& operator=(const TObjectList&) = delete;

    int Count() const;
    // Raises an Exception for an index out of range.
    TObject* Items(int index) const;
    // Takes ownership; returns the new item's index.
    int Add(TObject* object);
    void Delete(int index);
    void Clear();
    int IndexOf(const TObject* object) const;

    std::recursive_mutex& Lock() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
