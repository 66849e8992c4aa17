// The picture kept as the bytes of its image file: loading from data, files,
// resources and locations, decoding the current frame and drawing it.

#include "grid/foundation/pictures/PictureContainer.h"

#include "grid/foundation/pictures/PictureContainerPrivate.h"
#include "platform/picture/Picture.h"
#include "platform/ui/paint/Canvas.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>

namespace picturecontainer {

QImage decodeImage(const QByteArray& bytes)
{
    const QString invalid = QStringLiteral("Could not load image. Invalid format");
    if (platform::detectPictureFormat(bytes) == platform::PictureFormat::Unknown)
        throw EInvalidGraphic(invalid);
    std::unique_ptr<TGraphic> graphic;
    try {
        graphic = platform::loadGraphic(bytes);
    } catch (const Exception&) {
        throw EInvalidGraphic(invalid);
    }
    const QImage image = graphic->toImage();
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        throw EInvalidGraphic(QStringLiteral("Could not load image"));
    return image;
}

} // namespace picturecontainer

namespace {

// File names in markup arrive upper-cased and were meant for a file system that
// ignores case: a path that does not exist as written is looked up folder by
// folder without regard to case. Returns the path unchanged when nothing fits.
QString resolvePathIgnoringCase(const QString& path)
{
    if (QFileInfo::exists(path))
        return path;
    const bool absolute = path.startsWith(QLatin1Char('/'));
    QString current = absolute ? QStringLiteral("/") : QString();
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const QDir folder(current.isEmpty() ? QStringLiteral(".") : current);
        QString found;
        if (folder.exists(part)) {
            found = part;
        } else {
            const QStringList entries = folder.entryList(
                QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            for (const QString& entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    found = entry;
                    break;
                }
            }
        }
        if (found.isEmpty())
            return path;
        if (!current.isEmpty() && !current.endsWith(QLatin1Char('/')))
            current += QLatin1Char('/');
        current += found;
    }
    return current.isEmpty() ? path : current;
}

QString rawDataResourcePath(const QString& name)
{
    return QStringLiteral(":/rcdata/") + name;
}

} // namespace

THTMLPicture::THTMLPicture() : d(std::make_unique<Data>()) {}

THTMLPicture::~THTMLPicture() = default;

bool THTMLPicture::Empty() const { return d->isEmpty; }

int THTMLPicture::Width() const { return d->decoded.isNull() ? 0 : d->decoded.width(); }

int THTMLPicture::Height() const { return d->decoded.isNull() ? 0 : d->decoded.height(); }

int THTMLPicture::MaxWidth() const
{
    if (d->decoded.isNull())
        return 0;
    return d->animMaxX != 0 ? d->animMaxX : Width();
}

int THTMLPicture::MaxHeight() const
{
    if (d->decoded.isNull())
        return 0;
    return d->animMaxY != 0 ? d->animMaxY : Height();
}

bool THTMLPicture::Stretch() const { return d->stretched; }

void THTMLPicture::SetStretch(bool Value) { d->stretched = Value; }

void THTMLPicture::clearPicture()
{
    d->bytes.clear();
    d->isEmpty = true;
    d->decoded = QImage();
    d->frameCount = -1;
    d->nextCount = -1;
    d->timerCount = -1;
    d->frameXPos = d->frameYPos = d->frameXSize = d->frameYSize = 0;
    d->animMaxX = d->animMaxY = 0;
}

// Every load starts the frame counting and the animation afresh; a load whose
// frame cannot be decoded puts everything back as it was.
void THTMLPicture::loadData(const QByteArray& bytes, bool notify)
{
    const Data saved = *d;
    try {
        d->bytes = bytes;
        d->isEmpty = false;
        d->frameCount = -1;
        d->nextCount = -1;
        d->timerCount = -1;
        decodeFrame();
    } catch (...) {
        *d = saved;
        throw;
    }
    if (notify)
        changed();
}

void THTMLPicture::Assign(const TGraphic* Source)
{
    if (Source == this)
        return;
    const auto* source = dynamic_cast<const THTMLPicture*>(Source);
    const QByteArray bytes = source && !source->Empty() ? source->d->bytes : QByteArray();
    clearPicture();
    d->frame = 1;
    if (!bytes.isEmpty())
        loadData(bytes, true);
}

void THTMLPicture::LoadFromFile(const QString& FileName)
{
    bool loaded = false;
    try {
        loadData(platform::readPictureFile(FileName), false);
        loaded = true;
    } catch (const std::exception&) {
    }
    if (!loaded) {
        clearPicture();
        return;
    }
    changed();
}

void THTMLPicture::LoadFromStream(const QByteArray& Stream) { loadData(Stream, true); }

void THTMLPicture::SaveToStream(QByteArray& Stream) const { Stream = d->bytes; }

void THTMLPicture::ReadStoredData(const QByteArray& Stream) { loadData(Stream, false); }

void THTMLPicture::WriteStoredData(QByteArray& Stream) const { SaveToStream(Stream); }

void THTMLPicture::LoadFromResourceName(const QString& Name)
{
    QFile resource(rawDataResourcePath(Name.toUpper()));
    if (!resource.exists() || !resource.open(QIODevice::ReadOnly))
        return;
    LoadFromStream(resource.readAll());
}

void THTMLPicture::LoadFromResourceID(int ResID)
{
    QFile resource(rawDataResourcePath(QString::number(ResID)));
    if (!resource.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Resource %1 not found").arg(ResID));
    LoadFromStream(resource.readAll());
}

void THTMLPicture::LoadFromURL(const QString& url)
{
    const QString upper = url.toUpper();
    if (upper.startsWith(QLatin1String("RES://"))) {
        d->id = url;
        const QString name = url.mid(6);
        if (!name.isEmpty())
            LoadFromResourceName(name);
    } else if (upper.startsWith(QLatin1String("FILE://"))) {
        d->id = url;
        const QString path = url.mid(7);
        if (!path.isEmpty())
            LoadFromFile(resolvePathIgnoringCase(path));
    } else if (!d->asynch) {
        d->url = url;
        d->id = url;
    } else if (!d->threadBusy) {
        d->url = url;
        d->threadBusy = true;
        TDownLoadThread::Start(this);
    }
}

void THTMLPicture::RenderToCanvas(TCanvas& Canvas, const TRect& R) const
{
    if (d->isEmpty || d->decoded.isNull())
        return;
    if (d->stretched)
        platform::drawImage(Canvas, R, d->decoded);
    else
        platform::drawImage(Canvas, Bounds(R.Left, R.Top, Width(), Height()), d->decoded);
}

void THTMLPicture::Draw(TCanvas& Canvas, const TRect& R) const { RenderToCanvas(Canvas, R); }

QImage THTMLPicture::toImage() const { return d->decoded; }

std::unique_ptr<TGraphic> THTMLPicture::clone() const
{
    auto copy = std::make_unique<THTMLPicture>();
    copy->Assign(this);
    copy->SetStretch(Stretch());
    return copy;
}

bool THTMLPicture::Busy() const { return d->threadBusy; }

bool THTMLPicture::Asynch() const { return d->asynch; }

void THTMLPicture::SetAsynch(bool Value) { d->asynch = Value; }

QString THTMLPicture::ID() const { return d->id; }

void THTMLPicture::SetID(const QString& Value) { d->id = Value; }

bool THTMLPicture::IsDB() const { return d->isDB; }

void THTMLPicture::SetIsDB(bool Value) { d->isDB = Value; }

int THTMLPicture::FrameXPos() const { return d->frameXPos; }

int THTMLPicture::FrameYPos() const { return d->frameYPos; }

int THTMLPicture::Frame() const { return d->frame; }
