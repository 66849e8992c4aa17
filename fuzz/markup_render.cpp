// The cell markup renderer in its measuring and hit-testing modes, on an
// image canvas with a picture cache and a picture container, so that the
// pictures a cell names are read as well. The input is the markup, a zero
// byte, and the bytes of a picture file; markup reaches that picture as
// "file://picture" (a file in the working folder) or by the container name
// "pic".

#include "fuzz/FuzzSupport.h"

#include "grid/foundation/markup/EsgHTMLE.h"
#include "grid/foundation/pictures/PictureContainer.h"
#include "platform/picture/Graphic.h"
#include "platform/ui/paint/Canvas.h"

#include <QDir>
#include <QImage>

namespace {

struct Outputs {
    QString hitAnchor, plainText, focusAnchorRef, hitAnchorTitle, controlID, controlValue, controlType;
    int textWidth = 0, textHeight = 0, anchorCount = 0, hitAnchorIndex = -1;
    TRect hitAnchorRect, controlRect;
};

void Render(TCanvas& canvas, const QString& text, THTMLPictureCache& cache, TPictureContainer& container,
            bool hitTest, bool wordWrap, int x, int y)
{
    Outputs o;
    RenderMarkupText(&canvas, text, TRect{0, 0, 200, 60}, nullptr, x, y, 0, -1, 1, hitTest, !hitTest, true,
                     false, true, false, wordWrap, false, 1.0, clBlue, clYellow, clRed, clGray, o.hitAnchor,
                     o.plainText, o.focusAnchorRef, o.hitAnchorTitle, o.textWidth, o.textHeight, o.anchorCount,
                     o.hitAnchorIndex, o.hitAnchorRect, o.controlRect, o.controlID, o.controlValue,
                     o.controlType, &cache, &container, nullptr, bdLeftToRight);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::EnsureApplication();
    const std::vector<QByteArray> parts = fuzz::SplitParts(fuzz::Bytes(data, size), 2);
    const QString text = QString::fromUtf8(parts[0]);
    const QByteArray picture = parts.size() > 1 ? parts[1] : QByteArray();
    fuzz::PutFile(QStringLiteral("picture"), picture, !picture.isEmpty());

    TPictureContainer container;
    TPictureItem* item = container.Items()->Add();
    item->SetName(QStringLiteral("pic"));
    try {
        item->Picture()->LoadFromStream(picture);
    } catch (const EInvalidGraphic&) {
    }

    QImage image(200, 60, QImage::Format_ARGB32);
    image.fill(0);
    TCanvas canvas(&image);
    THTMLPictureCache cache;
    // Relative picture locations are found from the working folder.
    const QString working = QDir::currentPath();
    QDir::setCurrent(fuzz::ScratchFolder());
    for (const bool wordWrap : {false, true}) {
        Render(canvas, text, cache, container, false, wordWrap, 0, 0);
        Render(canvas, text, cache, container, true, wordWrap, 8, 6);
        Render(canvas, text, cache, container, true, wordWrap, 120, 30);
    }
    QDir::setCurrent(working);
    return 0;
}
