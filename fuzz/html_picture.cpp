// The markup picture THTMLPicture: the bytes of any picture file loaded from a
// stream and from a file, with its frames stepped through and drawn.

#include "fuzz/FuzzSupport.h"

#include "grid/foundation/pictures/PictureContainer.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::EnsureApplication();
    const QByteArray bytes = fuzz::Bytes(data, size);
    THTMLPicture fromStream;
    const bool loaded = fuzz::ExerciseFrames(fromStream, bytes);

    THTMLPicture fromFile;
    fromFile.LoadFromURL(QStringLiteral("file://") + fuzz::PutFile(QStringLiteral("picture.bin"), bytes));
    if (fromFile.Empty() == loaded)
        std::abort(); // a file and a stream of the same bytes are read alike
    THTMLPicture copy;
    copy.Assign(&fromStream);
    return 0;
}
