// The GIF picture reader and the frame scanner of animated GIF files: the
// bytes loaded as a picture, then as a markup picture whose frames are found,
// timed, decoded and stepped through.

#include "fuzz/FuzzSupport.h"

#include "grid/foundation/pictures/PictureContainer.h"
#include "platform/picture/GIFImage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::EnsureApplication();
    const QByteArray bytes = fuzz::Bytes(data, size);
    TGIFImage picture;
    fuzz::ExerciseGraphic(picture, bytes);
    THTMLPicture animated;
    fuzz::ExerciseFrames(animated, bytes);
    return 0;
}
