#include "grid/foundation/pictures/ExObjFilePicture.h"

#include "platform/core/Exceptions.h"
#include "platform/ui/paint/Canvas.h"
#include "tests/support/TempExeFolder.h"

#include <QtCore/QBuffer>
#include <QtCore/QFile>
#include <QtGui/QImage>

#include <gtest/gtest.h>

namespace {

QString writePng(const QString& name, int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return testsupport::WriteTestFile(name, bytes);
}

TEST(FilePicture, TakesTheSizeFromTheFile)
{
    TFilePicture picture;
    picture.SetFilename(writePng("cell.png", 12, 7, qRgb(255, 0, 0)));
    EXPECT_EQ(picture.Width(), 12);
    EXPECT_EQ(picture.Height(), 7);

    picture.SetFilename(QString());
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_EQ(picture.Height(), 0);
}

TEST(FilePicture, UnreadableFileRaisesAndKeepsTheSize)
{
    TFilePicture picture;
    picture.SetFilename(writePng("ok.png", 5, 6, qRgb(0, 0, 0)));
    const QString broken = testsupport::WriteTestFile("broken.png", "not a picture");
    EXPECT_THROW(picture.SetFilename(broken), Exception);
    EXPECT_EQ(picture.Filename(), broken);
    EXPECT_EQ(picture.Width(), 5);
}

TEST(FilePicture, APipeOrDeviceIsRefusedUnreadAndKeepsTheSize)
{
    const QString paths[] = {testsupport::MakeTestPipe("pipe.png"), QStringLiteral("/dev/zero")};
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        TFilePicture picture;
        picture.SetFilename(writePng("ok.png", 5, 6, qRgb(0, 0, 0)));
        EXPECT_THROW(picture.SetFilename(path), EFOpenError);
        EXPECT_EQ(picture.Filename(), path);
        EXPECT_EQ(picture.Width(), 5);
        QImage target(8, 8, QImage::Format_RGB32);
        TCanvas canvas(&target);
        EXPECT_THROW(picture.DrawPicture(&canvas, Rect(0, 0, 8, 8)), EFOpenError);
    }
}

TEST(FilePicture, DrawsTheFileStretchedIntoTheRectangle)
{
    TFilePicture picture;
    picture.SetFilename(writePng("blue.png", 2, 2, qRgb(0, 0, 255)));
    QImage target(20, 20, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
        TCanvas canvas(&target);
        picture.DrawPicture(&canvas, Rect(5, 5, 15, 15));
    }
    EXPECT_EQ(target.pixel(10, 10), qRgb(0, 0, 255));
    EXPECT_EQ(target.pixel(14, 14), qRgb(0, 0, 255));
    EXPECT_EQ(target.pixel(2, 2), qRgb(255, 255, 255));
    EXPECT_EQ(target.pixel(16, 16), qRgb(255, 255, 255));
}

TEST(FilePicture, AssignCopiesNameAndSizeWithoutReadingTheFile)
{
    TFilePicture source;
    source.SetFilename(writePng("gone.png", 3, 4, qRgb(0, 0, 0)));
    QFile::remove(source.Filename());
    TFilePicture target;
    target.Assign(&source);
    EXPECT_EQ(target.Filename(), source.Filename());
    EXPECT_EQ(target.Width(), 3);
    EXPECT_EQ(target.Height(), 4);
}

} // namespace
