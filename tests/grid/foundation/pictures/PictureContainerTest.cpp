#include "grid/foundation/pictures/PictureContainer.h"

#include "platform/core/Exceptions.h"
#include "platform/picture/Graphic.h"
#include "platform/ui/paint/Canvas.h"
#include "tests/support/TempExeFolder.h"

#include <QtCore/QBuffer>
#include <QtGui/QImage>

#include <gtest/gtest.h>

namespace {

// A picture file of the given format: a red image with a blue top-left pixel.
QByteArray imageFile(const char* format, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 0));
    image.setPixel(0, 0, qRgb(0, 0, 255));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QString invalidFormat() { return QStringLiteral("Could not load image. Invalid format"); }

TEST(HTMLPicture, NewPictureIsEmpty)
{
    THTMLPicture picture;
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_EQ(picture.Height(), 0);
    EXPECT_EQ(picture.MaxWidth(), 0);
    EXPECT_EQ(picture.FrameCount(), -1);
    EXPECT_EQ(picture.Frame(), 1);
    EXPECT_FALSE(picture.IsGIF());
    EXPECT_FALSE(picture.Step());
    EXPECT_TRUE(picture.Asynch());
    EXPECT_FALSE(picture.Busy());
    EXPECT_FALSE(picture.IsDB());
}

TEST(HTMLPicture, LoadsEachPictureFormat)
{
    const char* formats[] = {"BMP", "PNG", "JPEG", "ICO"};
    for (const char* format : formats) {
        SCOPED_TRACE(format);
        const QByteArray bytes = imageFile(format, 12, 7);
        ASSERT_FALSE(bytes.isEmpty());
        THTMLPicture picture;
        int changes = 0;
        picture.OnChange = [&](TGraphic*) { ++changes; };
        picture.LoadFromStream(bytes);
        EXPECT_FALSE(picture.Empty());
        EXPECT_EQ(picture.Width(), 12);
        EXPECT_EQ(picture.Height(), 7);
        EXPECT_EQ(picture.MaxWidth(), 12);
        EXPECT_EQ(picture.MaxHeight(), 7);
        EXPECT_EQ(picture.FrameCount(), -1);
        EXPECT_EQ(changes, 1);
        QByteArray saved;
        picture.SaveToStream(saved);
        EXPECT_EQ(saved, bytes);
    }
}

TEST(HTMLPicture, UndecodableDataRaisesAndKeepsThePicture)
{
    const QByteArray jpegStart("\xFF\xD8\xFF\xE0garbage", 11);
    const QByteArray cases[] = {
        QByteArray(),
        QByteArray("\x01\x02\x03 plainly not a picture", 25),
        QByteArray("GIF89a\x10\x00"),
        QByteArray("BM\x00\x00\x00"),
        jpegStart,
        QByteArray("\x89PNG\r\n\x1a\n", 8),
    };
    const QByteArray good = imageFile("PNG", 5, 4);
    for (const QByteArray& bytes : cases) {
        SCOPED_TRACE(bytes.toHex().toStdString());
        THTMLPicture fresh;
        try {
            fresh.LoadFromStream(bytes);
            FAIL() << "no error";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), invalidFormat());
        }
        EXPECT_TRUE(fresh.Empty());
        EXPECT_EQ(fresh.Width(), 0);

        THTMLPicture loaded;
        loaded.LoadFromStream(good);
        EXPECT_THROW(loaded.LoadFromStream(bytes), EInvalidGraphic);
        EXPECT_FALSE(loaded.Empty());
        EXPECT_EQ(loaded.Width(), 5);
        QByteArray saved;
        loaded.SaveToStream(saved);
        EXPECT_EQ(saved, good);
    }
}

TEST(HTMLPicture, FileThatIsNoPictureGivesAnEmptyPictureWithoutError)
{
    const QString text = testsupport::WriteTestFile("notes.txt", "Just some text\r\non two lines\r\n");
    const QString picturePath = testsupport::WriteTestFile("red.png", imageFile("PNG", 6, 3));
    const QString missing = testsupport::TestFolder() + "/missing.png";

    for (const QString& path : {text, missing}) {
        SCOPED_TRACE(path.toStdString());
        THTMLPicture picture;
        picture.LoadFromFile(picturePath);
        ASSERT_EQ(picture.Width(), 6);
        int changes = 0;
        picture.OnChange = [&](TGraphic*) { ++changes; };
        EXPECT_NO_THROW(picture.LoadFromFile(path));
        EXPECT_TRUE(picture.Empty());
        EXPECT_EQ(picture.Width(), 0);
        EXPECT_EQ(picture.Height(), 0);
        EXPECT_EQ(changes, 0);
        QByteArray saved;
        picture.SaveToStream(saved);
        EXPECT_TRUE(saved.isEmpty());
    }
}

// A location in markup can name anything: a pipe would block the window for
// good, a device would be read until memory runs out, a huge file read whole.
// Each leaves the picture empty, and nothing of it is read.
TEST(HTMLPicture, FileThatIsNoRegularFileOrTooLargeIsNotRead)
{
    const QByteArray png = imageFile("PNG", 6, 3);
    const qint64 limit = qint64(platform::kPictureAllocationLimitMB) * 1024 * 1024;
    const QString withinLimit = testsupport::WriteLargeTestFile("within.png", png, limit);
    const QString paths[] = {
        testsupport::MakeTestPipe("pipe.png"),
        QStringLiteral("/dev/zero"),
        testsupport::WriteLargeTestFile("huge.png", png, qint64(8) << 30),
    };
    THTMLPicture good;
    good.LoadFromURL("file://" + withinLimit);
    ASSERT_EQ(good.Width(), 6);
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        THTMLPicture picture;
        picture.Assign(&good);
        ASSERT_EQ(picture.Width(), 6);
        EXPECT_NO_THROW(picture.LoadFromURL("file://" + path));
        EXPECT_TRUE(picture.Empty());
        EXPECT_EQ(picture.ID(), "file://" + path);

        TPictureContainer container;
        TPictureItem* item = container.Items()->Add();
        item->SetName(QStringLiteral("pic"));
        EXPECT_NO_THROW(item->Picture()->LoadFromFile(path));
        EXPECT_TRUE(container.FindPicture(QStringLiteral("PIC"))->Empty());
    }
}

TEST(HTMLPicture, StoredDataLoadsWithoutChangeEvent)
{
    const QByteArray bytes = imageFile("PNG", 3, 2);
    THTMLPicture picture;
    int changes = 0;
    picture.OnChange = [&](TGraphic*) { ++changes; };
    picture.ReadStoredData(bytes);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(picture.Width(), 3);
    QByteArray written;
    picture.WriteStoredData(written);
    EXPECT_EQ(written, bytes);
}

TEST(HTMLPicture, AssignCopiesOnlyAnotherHtmlPicture)
{
    THTMLPicture source;
    source.LoadFromStream(imageFile("PNG", 9, 4));

    THTMLPicture copy;
    copy.Assign(&source);
    EXPECT_FALSE(copy.Empty());
    EXPECT_EQ(copy.Width(), 9);
    EXPECT_EQ(copy.toImage(), source.toImage());

    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
    EXPECT_EQ(copy.Width(), 0);

    copy.Assign(&source);
    THTMLPicture emptySource;
    copy.Assign(&emptySource);
    EXPECT_TRUE(copy.Empty());
    EXPECT_EQ(copy.Width(), 0);

    auto cloned = source.clone();
    EXPECT_EQ(cloned->Width(), 9);
    EXPECT_EQ(cloned->toImage(), source.toImage());
}

TEST(HTMLPicture, DrawsInItsOwnSizeOrStretched)
{
    THTMLPicture picture;
    picture.LoadFromStream(imageFile("PNG", 4, 3));
    struct Case {
        bool stretch;
        QPoint red;       // inside the drawn picture
        QPoint untouched; // outside it
    };
    const Case cases[] = {
        {false, {5, 4}, {8, 8}},
        {true, {12, 10}, {14, 13}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stretch);
        QImage surface(20, 16, QImage::Format_RGB32);
        surface.fill(qRgb(255, 255, 255));
        {
            TCanvas canvas(&surface);
            picture.SetStretch(c.stretch);
            canvas.StretchDraw(Rect(2, 2, 14, 13), &picture);
        }
        EXPECT_EQ(surface.pixel(2, 2), qRgb(0, 0, 255));
        EXPECT_EQ(surface.pixel(c.red), qRgb(255, 0, 0));
        EXPECT_EQ(surface.pixel(c.untouched), qRgb(255, 255, 255));
        EXPECT_EQ(surface.pixel(1, 1), qRgb(255, 255, 255));
    }
}

TEST(HTMLPicture, LocationsLoadFilesAndResourcesOnly)
{
    const QString path = testsupport::WriteTestFile("pics/Red.png", imageFile("PNG", 6, 5));
    struct Case {
        QString location;
        bool asynch;
        bool loaded;
        bool busy;
        bool idSet;
    };
    const Case cases[] = {
        {"file://" + path, true, true, false, true},
        {"FILE://" + path.toUpper(), true, true, false, true},
        {"FILE://" + testsupport::TestFolder() + "/pics/none.png", true, false, false, true},
        {"RES://NO_SUCH_PICTURE", true, false, false, true},
        {"RES://", true, false, false, true},
        {"HTTP://EXAMPLE.COM/A.GIF", false, false, false, true},
        {"HTTP://EXAMPLE.COM/A.GIF", true, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.location.toStdString());
        THTMLPicture picture;
        picture.SetAsynch(c.asynch);
        picture.LoadFromURL(c.location);
        EXPECT_EQ(!picture.Empty(), c.loaded);
        EXPECT_EQ(picture.Width(), c.loaded ? 6 : 0);
        EXPECT_EQ(picture.Busy(), c.busy);
        EXPECT_EQ(picture.ID(), c.idSet ? c.location : QString());
    }
}

TEST(HTMLPicture, BusyRemoteLoadIgnoresFurtherLocations)
{
    THTMLPicture picture;
    picture.LoadFromURL("http://example.com/a.png");
    ASSERT_TRUE(picture.Busy());
    picture.SetAsynch(false);
    picture.LoadFromURL("http://example.com/b.png");
    EXPECT_EQ(picture.ID(), QStringLiteral("http://example.com/b.png"));
    picture.SetAsynch(true);
    picture.LoadFromURL("http://example.com/c.png");
    EXPECT_EQ(picture.ID(), QStringLiteral("http://example.com/b.png"));
    EXPECT_TRUE(picture.Empty());
}

TEST(HTMLPicture, MissingNumberedResourceRaises)
{
    THTMLPicture picture;
    try {
        picture.LoadFromResourceID(4711);
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Resource 4711 not found"));
    }
    EXPECT_TRUE(picture.Empty());
}

} // namespace
