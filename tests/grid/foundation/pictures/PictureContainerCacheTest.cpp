#include "grid/foundation/pictures/PictureContainer.h"

#include "platform/core/Exceptions.h"

#include <QtCore/QBuffer>
#include <QtGui/QImage>

#include <gtest/gtest.h>

namespace {

QByteArray pngFile(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(0, 128, 0));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void expectListIndexError(const std::function<void()>& work, int index)
{
    try {
        work();
        FAIL() << "no error for index " << index;
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("List index out of bounds (%1)").arg(index));
    }
}

TEST(HTMLPictureCache, FindsPicturesByTheirExactLocation)
{
    THTMLPictureCache cache;
    THTMLPicture* first = cache.AddPicture();
    first->SetID("FILE://A.PNG");
    THTMLPicture* second = cache.AddPicture();
    second->SetID("file://a.png");
    THTMLPicture* twin = cache.AddPicture();
    twin->SetID("FILE://A.PNG");
    ASSERT_EQ(cache.Count(), 3);

    EXPECT_EQ(cache.FindPicture("FILE://A.PNG"), first);
    EXPECT_EQ(cache.FindPicture("file://a.png"), second);
    EXPECT_EQ(cache.FindPicture("File://A.png"), nullptr);
    EXPECT_EQ(cache.FindPicture(""), nullptr);
    EXPECT_EQ(cache.GetPicture(2), twin);

    cache.ClearPictures();
    EXPECT_EQ(cache.Count(), 0);
    EXPECT_EQ(cache.FindPicture("FILE://A.PNG"), nullptr);
}

TEST(HTMLPictureCache, FirstUseOfALocationLoadsItOnce)
{
    THTMLPictureCache cache;
    const QString location = "HTTP://EXAMPLE.COM/LOGO.GIF";
    for (int use = 0; use < 3; ++use) {
        if (!cache.FindPicture(location)) {
            THTMLPicture* picture = cache.AddPicture();
            picture->SetAsynch(false);
            picture->LoadFromURL(location);
        }
    }
    EXPECT_EQ(cache.Count(), 1);
    ASSERT_NE(cache.FindPicture(location), nullptr);
    EXPECT_TRUE(cache.FindPicture(location)->Empty());
}

TEST(HTMLPictureCache, ReplacesEntriesAndChecksIndexes)
{
    THTMLPictureCache cache;
    cache.AddPicture()->SetID("old");
    auto replacement = std::make_unique<THTMLPicture>();
    replacement->SetID("new");
    THTMLPicture* raw = replacement.get();
    cache.SetPicture(0, std::move(replacement));
    EXPECT_EQ(cache.GetPicture(0), raw);
    EXPECT_EQ(cache.FindPicture("old"), nullptr);
    EXPECT_EQ(cache.FindPicture("new"), raw);

    for (int index : {-1, 1}) {
        expectListIndexError([&] { cache.GetPicture(index); }, index);
        expectListIndexError([&] { cache.SetPicture(index, nullptr); }, index);
    }
    EXPECT_FALSE(cache.Animate());
}

TEST(PictureContainer, FindsPicturesByNameWithoutRegardToCase)
{
    TPictureContainer container;
    TPictureCollection* items = container.Items();
    EXPECT_EQ(items->GetOwner(), &container);
    TPictureItem* logo = items->Add();
    logo->SetName("Logo");
    logo->Picture()->LoadFromStream(pngFile(10, 8));
    TPictureItem* arrow = items->Add();
    arrow->SetName("arrow_Up");
    TPictureItem* second = items->Add();
    second->SetName("LOGO");

    struct Case {
        const char* name;
        THTMLPicture* expected;
    };
    const Case cases[] = {
        {"LOGO", logo->Picture()}, {"logo", logo->Picture()}, {"ARROW_UP", arrow->Picture()},
        {"arrow", nullptr},        {"", nullptr},
    };
    for (const Case& c : cases)
        EXPECT_EQ(container.FindPicture(c.name), c.expected) << c.name;
    EXPECT_EQ(container.FindPicture("Logo")->Width(), 10);
}

TEST(PictureContainer, ItemsCopyNameTagAndPicture)
{
    TPictureContainer container;
    TPictureItem* source = container.Items()->Add();
    source->SetName("Flag");
    source->SetTag(42);
    source->Picture()->LoadFromStream(pngFile(5, 3));

    TPictureItem copy;
    copy.Assign(source);
    EXPECT_EQ(copy.Name(), QStringLiteral("Flag"));
    EXPECT_EQ(copy.Tag(), 42);
    EXPECT_EQ(copy.Picture()->Width(), 5);
    EXPECT_NE(copy.Picture(), source->Picture());

    TPictureItem other;
    other.SetPicture(source->Picture());
    EXPECT_EQ(other.Picture()->Height(), 3);

    const TObject* notAnItem = source->Picture();
    for (const TObject* bad : {notAnItem, static_cast<const TObject*>(nullptr)}) {
        try {
            copy.Assign(bad);
            FAIL() << "no error";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Invalid class typecast"));
        }
    }
    EXPECT_EQ(copy.Name(), QStringLiteral("Flag"));
}

TEST(PictureContainer, CollectionInsertsWritesAndCopies)
{
    TPictureContainer container;
    TPictureCollection* items = container.Items();
    items->Add()->SetName("b");
    items->Insert(0)->SetName("a");
    items->Insert(2)->SetName("c");
    ASSERT_EQ(items->Count(), 3);
    const char* order[] = {"a", "b", "c"};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(items->Items(i)->Name(), QString(order[i]));
    expectListIndexError([&] { items->Insert(4); }, 4);
    expectListIndexError([&] { items->Items(3); }, 3);

    TPictureItem replacement;
    replacement.SetName("z");
    replacement.SetTag(7);
    items->SetItems(1, &replacement);
    EXPECT_EQ(items->Items(1)->Name(), QStringLiteral("z"));
    EXPECT_EQ(items->Items(1)->Tag(), 7);

    TPictureContainer other;
    other.SetItems(items);
    ASSERT_EQ(other.Items()->Count(), 3);
    EXPECT_EQ(other.Items()->GetOwner(), &other);
    EXPECT_NE(other.FindPicture("Z"), nullptr);
    EXPECT_NE(other.FindPicture("Z"), container.FindPicture("Z"));

    items->Delete(0);
    EXPECT_EQ(items->Count(), 2);
    EXPECT_EQ(container.FindPicture("A"), nullptr);
    items->Clear();
    EXPECT_EQ(items->Count(), 0);
    EXPECT_EQ(other.Items()->Count(), 3);
}

} // namespace
