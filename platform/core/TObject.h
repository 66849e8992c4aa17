#pragma once

// Polymorphic root of the objects that lists hold beside their texts; a list
// that owns its objects deletes them through this destructor.
class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = default;
    TObject& operator=(const TObject&) = default;
    virtual ~TObject();
};
