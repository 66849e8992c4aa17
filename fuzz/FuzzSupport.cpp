#include "fuzz/FuzzSupport.h"

#include "grid/foundation/pictures/PictureContainer.h"
#include "platform/core/Exceptions.h"
#include "platform/core/ExeFolder.h"
#include "platform/picture/Graphic.h"
#include "platform/ui/paint/Canvas.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace fuzz {

namespace {

QTemporaryDir* Scratch()
{
    static QTemporaryDir* folder = [] {
        auto* made = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/configurator-fuzz-XXXXXX"));
        made->setAutoRemove(true);
        return made;
    }();
    return folder;
}

// Pictures larger than this are only decoded, not drawn: drawing them says
// nothing more about the reader and costs the fuzzer its speed.
constexpr int Max_Drawn_Side = 1024;

// Frames beyond this many are counted but not decoded one by one.
constexpr int Max_Decoded_Frames = 16;

bool Drawable(const TGraphic& graphic)
{
    return graphic.Width() <= Max_Drawn_Side && graphic.Height() <= Max_Drawn_Side;
}

void DrawSmall(const std::function<void(TCanvas&)>& draw)
{
    QImage target(24, 24, QImage::Format_ARGB32);
    target.fill(0);
    TCanvas canvas(&target);
    draw(canvas);
}

} // namespace

void EnsureApplication()
{
    static QApplication* app = nullptr;
    if (app)
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    app = new QApplication(argc, argv);
    platform::SetExeFolder(Scratch()->path());
    // The scratch folder goes when the process ends normally.
    std::atexit([] { delete Scratch(); });
}

QString ScratchFolder() { return Scratch()->path(); }

QByteArray Bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

std::vector<QByteArray> SplitParts(const QByteArray& input, int maxParts)
{
    std::vector<QByteArray> parts;
    qsizetype from = 0;
    while (int(parts.size()) + 1 < maxParts) {
        const qsizetype zero = input.indexOf('\0', from);
        if (zero < 0)
            break;
        parts.push_back(input.mid(from, zero - from));
        from = zero + 1;
    }
    parts.push_back(input.mid(from));
    return parts;
}

QString PutFile(const QString& relativePath, const QByteArray& content, bool present)
{
    const QString path = ScratchFolder() + QLatin1Char('/') + relativePath;
    if (!present) {
        QFile::remove(path);
        return path;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
    return path;
}

bool ExerciseGraphic(TGraphic& graphic, const QByteArray& bytes)
{
    try {
        graphic.LoadFromStream(bytes);
    } catch (const EInvalidGraphic&) {
        return false;
    }
    const QImage image = graphic.toImage();
    if (Drawable(graphic))
        DrawSmall([&](TCanvas& canvas) { graphic.Draw(canvas, TRect{1, 1, 23, 23}); });
    QByteArray saved;
    graphic.SaveToStream(saved);
    const std::unique_ptr<TGraphic> copy = graphic.clone();
    (void)copy->Width();
    return true;
}

bool ExerciseFrames(THTMLPicture& picture, const QByteArray& bytes)
{
    try {
        picture.LoadFromStream(bytes);
    } catch (const EInvalidGraphic&) {
        return false;
    }
    (void)picture.MaxWidth();
    (void)picture.MaxHeight();
    const int frames = picture.FrameCount();
    for (int n = 1; n <= std::min(frames, Max_Decoded_Frames); ++n) {
        (void)picture.GetFrameTime(n);
        try {
            picture.SetFrame(n);
        } catch (const EInvalidGraphic&) {
            continue;
        }
        (void)picture.FrameXPos();
        (void)picture.FrameYPos();
        if (Drawable(picture))
            DrawSmall([&](TCanvas& canvas) { picture.RenderToCanvas(canvas, TRect{0, 0, 24, 24}); });
    }
    (void)picture.GetFrameTime(frames + 1);
    for (int tick = 0; tick < 4; ++tick)
        (void)picture.Step();
    picture.FrameNext();
    picture.FramePrev();
    (void)picture.toImage();
    return true;
}

} // namespace fuzz
