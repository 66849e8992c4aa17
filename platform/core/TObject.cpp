#include "platform/core/TObject.h"

TObject::~TObject() = default;
