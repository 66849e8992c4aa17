// Frames of an animated GIF file. A frame starts at its graphic control
// extension (0x21 0xF9 0x04 ...) directly followed by its image descriptor
// (0x2C at 8 bytes after the extension's start). A frame is decoded on its own
// by handing the decoder the file's header and everything before the first
// frame, followed by the file from that frame on.

#include "grid/foundation/pictures/PictureContainer.h"

#include "grid/foundation/pictures/PictureContainerPrivate.h"

namespace {

constexpr qsizetype kDescriptorOffset = 8;  // image separator after the extension's start
constexpr qsizetype kFrameHeaderSize = 17;  // extension and descriptor up to the height

unsigned char byteAt(const QByteArray& b, qsizetype at) { return static_cast<unsigned char>(b[at]); }

// The 16-bit little-endian value at offset at; 0 when it is not inside b.
int readWord(const QByteArray& b, qsizetype at)
{
    if (at < 0 || at + 2 > b.size())
        return 0;
    return byteAt(b, at) | (byteAt(b, at + 1) << 8);
}

// Whether a frame starts at j; the caller makes sure j + 8 lies inside b.
bool frameStartsAt(const QByteArray& b, qsizetype j)
{
    return byteAt(b, j) == 0x21 && byteAt(b, j + 1) == 0xF9 && byteAt(b, j + 2) == 0x04
        && byteAt(b, j + kDescriptorOffset) == 0x2C;
}

bool countedFrameAt(const QByteArray& b, qsizetype j)
{
    return j + 9 < b.size() && frameStartsAt(b, j);
}

} // namespace

bool THTMLPicture::IsGIF() const
{
    return d->bytes.size() >= 5 && d->bytes.startsWith("GIF8");
}

int THTMLPicture::FrameCount()
{
    if (d->frameCount != -1)
        return d->frameCount;
    if (!IsGIF())
        return -1;
    int count = 0;
    for (qsizetype j = 0; j < d->bytes.size(); ++j) {
        if (countedFrameAt(d->bytes, j))
            ++count;
    }
    d->frameCount = count;
    return count;
}

int THTMLPicture::GetFrameTime(int n)
{
    if (!IsGIF())
        return -1;
    const QByteArray& b = d->bytes;
    int counter = 0;
    for (qsizetype j = 0; j + kDescriptorOffset < b.size(); ++j) {
        if (!frameStartsAt(b, j))
            continue;
        if (++counter == n) {
            const unsigned char packed = byteAt(b, j + 3);
            d->frameTransp = (packed & 0x01) != 0;
            d->frameDisposal = (packed >> 2) & 0x07;
            return readWord(b, j + 4);
        }
    }
    return -1;
}

void THTMLPicture::decodeFrame()
{
    d->frameXPos = d->frameYPos = d->frameXSize = d->frameYSize = 0;
    d->animMaxX = d->animMaxY = 0;
    const QByteArray& b = d->bytes;
    const bool animated = IsGIF() && FrameCount() > 0;
    QByteArray stream;
    if (animated) {
        d->animMaxX = readWord(b, 6);
        d->animMaxY = readWord(b, 8);
        stream.reserve(b.size());
        bool skip = false;
        int k = 1;
        for (qsizetype j = 0; j < b.size(); ++j) {
            if (countedFrameAt(b, j)) {
                // The descriptor is read only when it lies wholly inside the data.
                if (k == d->frame && j + kFrameHeaderSize <= b.size()) {
                    d->frameXPos = readWord(b, j + 9);
                    d->frameYPos = readWord(b, j + 11);
                    d->frameXSize = readWord(b, j + 13);
                    d->frameYSize = readWord(b, j + 15);
                }
                ++k;
                skip = d->frame >= k;
            }
            if (!skip)
                stream.append(b[j]);
        }
    } else {
        stream = b;
    }
    QImage image = picturecontainer::decodeImage(stream);
    // The decoder places the frame on the whole animation area; the picture is
    // the frame alone, drawn by its user at the frame's position.
    if (animated && d->frameXSize > 0 && d->frameYSize > 0) {
        const QRect frame = QRect(d->frameXPos, d->frameYPos, d->frameXSize, d->frameYSize)
                                .intersected(image.rect());
        if (!frame.isEmpty() && frame != image.rect())
            image = image.copy(frame);
    }
    d->decoded = image;
}

void THTMLPicture::SetFrame(int n)
{
    const Data saved = *d;
    d->frame = n;
    if (d->bytes.isEmpty())
        return;
    try {
        decodeFrame();
    } catch (...) {
        *d = saved;
        throw;
    }
    if (OnFrameChange)
        OnFrameChange(this);
}

void THTMLPicture::FrameNext()
{
    d->frame = d->frame < d->frameCount ? d->frame + 1 : 1;
}

void THTMLPicture::FramePrev()
{
    d->frame = d->frame >= 2 ? d->frame - 1 : d->frameCount;
}

// A tick stands for 10 hundredths of a second. A frame that cannot be decoded
// keeps the picture on its current frame; the next tick tries again.
bool THTMLPicture::Step()
{
    if (d->frameCount < 2 || d->isEmpty)
        return false;
    if (d->nextCount == -1)
        d->nextCount = GetFrameTime(d->frame);
    bool advanced = false;
    if (d->timerCount * 10 >= d->nextCount) {
        const Data saved = *d;
        try {
            FrameNext();
            decodeFrame();
            d->nextCount += GetFrameTime(d->frame);
            advanced = true;
        } catch (const std::exception&) {
            *d = saved;
        }
    }
    ++d->timerCount;
    return advanced;
}
