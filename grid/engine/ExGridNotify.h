#pragma once

// The writer shape of the grid's settings objects: store the value, then
// tell the listener.

#include <functional>

class TObject;

template <typename T, typename V>
void StoreAndNotify(TObject* Sender, T& Field, V&& Value, const std::function<void(TObject*)>& OnChange)
{
    Field = std::forward<V>(Value);
    if (OnChange)
        OnChange(Sender);
}
