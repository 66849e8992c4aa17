#pragma once

// Pictures drawn by the cell markup: a picture kept as the bytes of its image
// file (with frame stepping for animated GIF files), a cache of pictures found
// by their location, and a container of pictures found by their name.

#include "platform/core/TObject.h"
#include "platform/picture/Graphic.h"

#include <QtCore/QString>

#include <cstdint>
#include <functional>
#include <memory>

using TDownloadErrorEvent = std::function<void(TObject* Sender, const QString& err)>;
using TDownloadCompleteEvent = std::function<void(TObject* Sender)>;
using TDownloadCancelEvent = std::function<void(TObject* Sender, bool& Cancel)>;
using TDownloadProgressEvent =
    std::function<void(TObject* Sender, std::uint32_t dwSize, std::uint32_t dwTotSize)>;

// A picture held as the undecoded bytes of an image file (BMP, ICO, PNG, GIF,
// JPEG); the current frame is decoded after every load. Frames of a GIF file
// are counted from 1 by their graphic control extensions.
//
// A load that fails to decode raises and leaves the picture as it was, except
// LoadFromFile, which raises nothing and leaves the picture empty.
class THTMLPicture : public TGraphic, public TObject {
public:
    THTMLPicture();
    ~THTMLPicture() override;

    // No data loaded (true until a load succeeds).
    bool Empty() const;
    // Size of the decoded picture (of the current frame); 0 without one.
    int Width() const override;
    int Height() const override;
    // The animation area of a GIF file, else Width and Height; 0 without a
    // decoded picture.
    int MaxWidth() const;
    int MaxHeight() const;

    bool Stretch() const;
    void SetStretch(bool Value);

    // Copies another THTMLPicture; nullptr or a picture of another type leaves
    // this one empty. Restarts the animation at frame 1.
    void Assign(const TGraphic* Source) override;
    // Never raises: a file that cannot be read or decoded leaves the picture
    // empty.
    void LoadFromFile(const QString& FileName);
    void LoadFromStream(const QByteArray& Stream) override;
    void SaveToStream(QByteArray& Stream) const override;
    // Stored-data reader and writer of a saved window: as LoadFromStream
    // without OnChange, and SaveToStream.
    void ReadStoredData(const QByteArray& Stream);
    void WriteStoredData(QByteArray& Stream) const;
    // The program's raw-data resources: Qt resources under ":/rcdata/", named
    // in upper case (resource names ignore case) or by their number. A missing
    // name loads nothing; a missing number raises.
    void LoadFromResourceName(const QString& Name);
    void LoadFromResourceID(int ResID);
    // "RES://name" and "FILE://path" load (the scheme in any case; the path is
    // found without regard to case, as markup upper-cases it); any other
    // location is remembered and never loaded.
    void LoadFromURL(const QString& url);

    // Stretched into R, or at R's top-left in its own size.
    void RenderToCanvas(TCanvas& Canvas, const TRect& R) const;
    void Draw(TCanvas& Canvas, const TRect& R) const override;
    QImage toImage() const override;
    std::unique_ptr<TGraphic> clone() const override;

    // The data starts with "GIF8" and holds at least 5 bytes.
    bool IsGIF() const;
    // Number of frames of a GIF file (counted once); -1 for other pictures.
    int FrameCount();
    // Delay of frame n in hundredths of a second, -1 when there is no frame n;
    // also records that frame's transparency flag and disposal method.
    int GetFrameTime(int n);
    int Frame() const;
    // Selects frame n; with data, decodes it and fires OnFrameChange. A frame
    // that cannot be decoded raises and keeps the current one.
    void SetFrame(int n);
    // Move the frame number round the frames without decoding.
    void FrameNext();
    void FramePrev();
    // One animation tick of 100 ms; true when the picture moved to its next
    // frame and needs drawing again.
    bool Step();
    // Left and top of the current frame inside the animation area.
    int FrameXPos() const;
    int FrameYPos() const;

    bool Busy() const;
    bool Asynch() const;
    void SetAsynch(bool Value);
    // The location the picture was loaded from.
    QString ID() const;
    void SetID(const QString& Value);
    bool IsDB() const;
    void SetIsDB(bool Value);

    std::function<void(TObject* Sender)> OnFrameChange;
    TDownloadErrorEvent OnDownLoadError;
    TDownloadCompleteEvent OnDownLoadComplete;
    TDownloadCancelEvent OnDownLoadCancel;
    TDownloadProgressEvent OnDownLoadProgress;

private:
    void loadData(const QByteArray& bytes, bool notify);
    void decodeFrame();
    void clearPicture();
    struct Data;
    std::unique_ptr<Data> d;
};

// Pictures found by the location they were loaded from; owns them.
class THTMLPictureCache {
public:
    THTMLPictureCache();
    ~THTMLPictureCache();
    THTMLPictureCache(const THTMLPictureCache&) = delete;
    THTMLPictureCache& operator=(const THTMLPictureCache&) = delete;

    // A new empty picture at the end of the list.
    THTMLPicture* AddPicture();
    // The first picture whose ID equals the text exactly, or nullptr.
    THTMLPicture* FindPicture(const QString& ID) const;
    int Count() const;
    // Index errors raise "List index out of bounds (n)".
    THTMLPicture* GetPicture(int Index) const;
    // Replaces the entry (the old picture is freed) and takes the new one.
    void SetPicture(int Index, std::unique_ptr<THTMLPicture> Value);
    void ClearPictures();
    // Steps every picture; true when any moved to its next frame.
    bool Animate();

private:
    struct Data;
    std::unique_ptr<Data> d;
};

class TPictureContainer;

// A named picture of a TPictureContainer.
class TPictureItem : public TObject {
public:
    TPictureItem();
    ~TPictureItem() override;
    TPictureItem(const TPictureItem&) = delete;
    TPictureItem& operator=(const TPictureItem&) = delete;

    THTMLPicture* Picture() const;
    // Copies the picture with Assign.
    void SetPicture(const THTMLPicture* Value);
    QString Name() const;
    void SetName(const QString& Value);
    int Tag() const;
    void SetTag(int Value);

    // Copies name, tag and picture from another TPictureItem; any other source
    // raises "Invalid class typecast".
    void Assign(const TObject* Source);

private:
    struct Data;
    std::unique_ptr<Data> d;
};

// The items of a TPictureContainer; owns them.
class TPictureCollection : public TObject {
public:
    explicit TPictureCollection(TPictureContainer* AOwner);
    ~TPictureCollection() override;
    TPictureCollection(const TPictureCollection&) = delete;
    TPictureCollection& operator=(const TPictureCollection&) = delete;

    TPictureItem* Add();
    // Index errors raise "List index out of bounds (n)".
    TPictureItem* Insert(int Index);
    int Count() const;
    TPictureItem* Items(int Index) const;
    // Copies Value into the item at Index.
    void SetItems(int Index, const TPictureItem* Value);
    void Delete(int Index);
    void Clear();
    TPictureContainer* GetOwner() const;
    // Steps every item's picture; true when any moved to its next frame.
    bool Animate();

private:
    struct Data;
    std::unique_ptr<Data> d;
};

// Pictures that markup refers to by name.
class TPictureContainer : public TObject {
public:
    TPictureContainer();
    ~TPictureContainer() override;
    TPictureContainer(const TPictureContainer&) = delete;
    TPictureContainer& operator=(const TPictureContainer&) = delete;

    TPictureCollection* Items() const;
    // Copies the items of Value into the container's own collection.
    void SetItems(const TPictureCollection* Value);
    // The picture of the first item whose name equals Name without regard to
    // case, or nullptr.
    virtual THTMLPicture* FindPicture(const QString& Name) const;

private:
    std::unique_ptr<TPictureCollection> m_items;
};

// The worker that loads a remote picture. Remote loading is not offered: the
// worker does nothing, so a remote location never gets data.
class TDownLoadThread {
public:
    // Starts a worker for Picture; it ends at once and frees itself.
    static void Start(THTMLPicture* Picture);

    THTMLPicture* HTMLPicture() const { return m_picture; }
    void Execute();

private:
    explicit TDownLoadThread(THTMLPicture* Picture) : m_picture(Picture) {}
    THTMLPicture* m_picture;
};
