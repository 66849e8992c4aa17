// The ICO picture reader: the bytes loaded, then the picture converted,
// drawn, saved and copied.

#include "fuzz/FuzzSupport.h"

#include "platform/picture/Icon.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::EnsureApplication();
    TIcon picture;
    fuzz::ExerciseGraphic(picture, fuzz::Bytes(data, size));
    return 0;
}
