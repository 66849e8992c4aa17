#pragma once

// Drag and drop of cells between grids and other programs, over the toolkit's
// drag and drop. Formats: text is "text/plain"; rich text "text/rtf" (code
// page 1252, one zero byte at the end); file lists and web addresses
// "text/uri-list"; a dragged grid column and dragged grid cells have their own
// blocks (see GridColumnMimeType and GridCellsMimeType).
//
// Effects are 0 (none), 1 (copy) and 2 (move); key states are MK_ flags. A
// drop target maps the toolkit's drag events of a widget to DragEnter,
// DragOver, DragLeave and Drop; a drag runs modally through a replaceable
// runner around QDrag::exec.

#include "grid/foundation/util/EnumSet.h"
#include "platform/ui/paint/Geometry.h"

#include <QtCore/QByteArray>
#include <QtCore/QMimeData>
#include <QtCore/QObject>
#include <QtCore/QStringList>

#include <functional>
#include <optional>

class QWidget;

inline constexpr int DROPEFFECT_NONE = 0;
inline constexpr int DROPEFFECT_COPY = 1;
inline constexpr int DROPEFFECT_MOVE = 2;

inline constexpr int MK_LBUTTON = 0x01;
inline constexpr int MK_RBUTTON = 0x02;
inline constexpr int MK_SHIFT = 0x04;
inline constexpr int MK_CONTROL = 0x08;
inline constexpr int MK_MBUTTON = 0x10;

inline constexpr int S_OK = 0;
inline constexpr int DRAGDROP_S_DROP = 0x00040100;
inline constexpr int DRAGDROP_S_CANCEL = 0x00040101;
inline constexpr int DRAGDROP_S_USEDEFAULTCURSORS = 0x00040102;

enum TDropFormat { dfText, dfFile, dfCol, dfRTF, dfURL, dfGridCells };
using TDropFormats = EnumSet<TDropFormat>;

// Rich text in drag and drop, off at start: while off, targets pass over
// offered rich text and data objects do not offer it.
void SetRtfDragDropEnabled(bool Value);
bool RtfDragDropEnabled();

// "Grid Column": the column index as a signed 32-bit little-endian number.
QString GridColumnMimeType();
// "TExStringGrid Cells": N as an unsigned 32-bit little-endian number, four
// zero bytes, then the N bytes of the cell stream.
QString GridCellsMimeType();

// The drag's data: the text, the rich text, a column index (-1 for none) and
// a copy of the cell stream (none when null). It lists only what it serves:
// text when not empty, rich text then too while rich text is switched on,
// the column when one is given, the cells when a stream is given.
class TSourceDataObject : public QMimeData {
public:
    TSourceDataObject(const QString& stxt, const QString& srtf, int sidx, const QByteArray* ms);

    QStringList formats() const override;
    bool hasFormat(const QString& MimeType) const override;

protected:
    QVariant retrieveData(const QString& MimeType, QMetaType Type) const override;

private:
    QString text_;
    QString rtf_;
    int column_;
    std::optional<QByteArray> stream_;
};

// Reads offered data. Blocks are never read beyond their end: data that does
// not fit reads as absent.
class TEnumFormats {
public:
    explicit TEnumFormats(const QMimeData* DataObject);

    const QMimeData* DataObject() const { return data_; }
    void SetDataObject(const QMimeData* Value) { data_ = Value; }

    bool HasFormat(const QString& MimeType) const;
    bool HasText() const;
    bool HasRTF() const;
    bool HasCol() const;
    bool HasFile() const;
    bool HasURL() const;
    bool HasGridCells() const;
    // Empty when absent.
    QString Text() const;
    QString RTF() const;
    // -1 when absent or shorter than four bytes.
    int Col() const;
    // None when absent or when its length does not fit the block.
    std::optional<QByteArray> Stream() const;
    // Adds the offered local files to Files; true when Files then holds names.
    bool GetFileList(QStringList& Files) const;
    // The first offered web address that is not a local file.
    QString URL() const;

private:
    const QMimeData* data_;
};

class TESGDropTarget : public QObject {
public:
    TESGDropTarget();
    ~TESGDropTarget() override;

    bool AcceptText() const { return acceptText_; }
    void SetAcceptText(bool Value) { acceptText_ = Value; }
    bool AcceptFiles() const { return acceptFiles_; }
    void SetAcceptFiles(bool Value) { acceptFiles_ = Value; }
    bool AcceptCols() const { return acceptCols_; }
    void SetAcceptCols(bool Value) { acceptCols_ = Value; }
    bool AcceptURLs() const { return acceptURLs_; }
    void SetAcceptURLs(bool Value) { acceptURLs_ = Value; }
    // What the current drag offers, whether accepted or not.
    TDropFormats DropFormats() const { return dropFormats_; }

    // Effect holds the offered effects on entry and the effect on return.
    int DragEnter(const QMimeData* DataObj, int KeyState, const TPoint& pt, int& Effect);
    int DragOver(int KeyState, const TPoint& pt, int& Effect);
    int DragLeave();
    int Drop(const QMimeData* DataObj, int KeyState, const TPoint& pt, int& Effect);

    // Makes Widget a drop site whose drag events come here.
    void Register(QWidget* Widget);
    void Revoke(QWidget* Widget);

    virtual void DropText(const TPoint& pt, const QString& s);
    virtual void DropStream(const TPoint& pt, const QByteArray& ms);
    virtual void DropCol(const TPoint& pt, int Col);
    virtual void DropRTF(const TPoint& pt, const QString& s);
    virtual void DropFiles(const TPoint& pt, const QStringList& Files);
    virtual void DropURL(const TPoint& pt, const QString& s);
    virtual void DragMouseMove(const TPoint& pt, bool& Allow, TDropFormats DropFormats);
    virtual void DragMouseEnter();
    virtual void DragMouseLeave();

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    bool acceptText_ = true;
    bool acceptFiles_ = true;
    bool acceptCols_ = false;
    bool acceptURLs_ = true;
    TDropFormats dropFormats_;
    bool accepted_ = false;
};

class TESGDropSource : public QObject {
public:
    TESGDropSource();
    ~TESGDropSource() override;

    // Escape cancels, a released left button drops; DragEnded runs for both
    // and QueryDrag after every answer.
    int QueryContinueDrag(bool EscapePressed, int KeyState);
    int GiveFeedback(int Effect);
    // The last feedback showed no accepted effect.
    bool NotAccepted() const { return notAccepted_; }

    virtual void DragEnded();
    virtual void CurrentEffect(int Effect);
    virtual void QueryDrag();

private:
    bool notAccepted_ = false;
};

// Runs one modal drag of Data and answers DRAGDROP_S_DROP or
// DRAGDROP_S_CANCEL with the effect performed; the runner owns Data. The
// default runs QDrag::exec
// with Source as the drag's source and reports the toolkit's feedback to it.
using TDragRunner = std::function<int(TESGDropSource* Source, QMimeData* Data, int AllowedEffects, int& Effect)>;
void SetDragRunner(TDragRunner Runner);
TDragRunner DragRunner();

// A drag of text, rich text and cells (Stream null for none). The answer is
// DRAGDROP_S_CANCEL when the drop source's last feedback was no effect.
int RunTextDragDrop(TESGDropSource* DropSource, const QString& Text, const QString& Rtf, const QByteArray* Stream,
                    int AllowedEffects, int& Effect);
// A drag of one grid column.
int RunColumnDragDrop(TESGDropSource* DropSource, int Column, int AllowedEffects, int& Effect);
