#include "grid/cells/dragdrop/esgdd.h"

#include "platform/core/CodePages.h"

#include <QtCore/QUrl>
#include <QtCore/QtEndian>
#include <QtGui/QDrag>
#include <QtGui/QDragEnterEvent>
#include <QtGui/QDropEvent>
#include <QtWidgets/QWidget>

#include <memory>

namespace {

bool rtfEnabled = false;

const QString textMime = QStringLiteral("text/plain");
const QString rtfMime = QStringLiteral("text/rtf");

QByteArray columnBlock(int Column)
{
    QByteArray block(4, '\0');
    qToLittleEndian<qint32>(Column, block.data());
    return block;
}

QByteArray cellsBlock(const QByteArray& Stream)
{
    QByteArray block(8, '\0');
    qToLittleEndian<quint32>(quint32(Stream.size()), block.data());
    return block + Stream;
}

QByteArray rtfBlock(const QString& Rtf) { return AnsiFromString(Rtf) + '\0'; }

// Ctrl copies; otherwise a move when the source allows one.
int dropEffect(int KeyState, int Offered)
{
    if (KeyState & MK_CONTROL)
        return DROPEFFECT_COPY;
    return (Offered & DROPEFFECT_MOVE) ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
}

int effectOf(Qt::DropActions Actions)
{
    int effect = DROPEFFECT_NONE;
    if (Actions & Qt::CopyAction)
        effect |= DROPEFFECT_COPY;
    if (Actions & Qt::MoveAction)
        effect |= DROPEFFECT_MOVE;
    return effect;
}

Qt::DropActions actionsOf(int Effects)
{
    Qt::DropActions actions;
    if (Effects & DROPEFFECT_COPY)
        actions |= Qt::CopyAction;
    if (Effects & DROPEFFECT_MOVE)
        actions |= Qt::MoveAction;
    return actions;
}

Qt::DropAction actionOf(int Effect)
{
    if (Effect & DROPEFFECT_MOVE)
        return Qt::MoveAction;
    return (Effect & DROPEFFECT_COPY) ? Qt::CopyAction : Qt::IgnoreAction;
}

int keyStateOf(Qt::KeyboardModifiers Modifiers, Qt::MouseButtons Buttons)
{
    int state = 0;
    if (Buttons & Qt::LeftButton)
        state |= MK_LBUTTON;
    if (Buttons & Qt::RightButton)
        state |= MK_RBUTTON;
    if (Buttons & Qt::MiddleButton)
        state |= MK_MBUTTON;
    if (Modifiers & Qt::ShiftModifier)
        state |= MK_SHIFT;
    if (Modifiers & Qt::ControlModifier)
        state |= MK_CONTROL;
    return state;
}

int runWithQDrag(TESGDropSource* Source, QMimeData* Data, int AllowedEffects, int& Effect)
{
    auto* drag = new QDrag(Source);
    drag->setMimeData(Data);
    QObject::connect(drag, &QDrag::actionChanged, Source,
                     [Source](Qt::DropAction action) { Source->GiveFeedback(effectOf(action)); });
    const Qt::DropAction done = drag->exec(actionsOf(AllowedEffects));
    drag->deleteLater();
    Effect = effectOf(done);
    // The toolkit's loop ends on a drop or on Escape; a drag nobody took
    // counts as cancelled.
    return Source->QueryContinueDrag(done == Qt::IgnoreAction, 0);
}

TDragRunner& runner()
{
    static TDragRunner current = runWithQDrag;
    return current;
}

int runDrag(TESGDropSource* DropSource, std::unique_ptr<QMimeData> Data, int AllowedEffects, int& Effect)
{
    Effect = DROPEFFECT_NONE;
    if (!runner())
        return DRAGDROP_S_CANCEL;
    TESGDropSource plainSource;
    TESGDropSource* source = DropSource ? DropSource : &plainSource;
    // the runner's QDrag takes the data over
    const int result = runner()(source, Data.release(), AllowedEffects, Effect);
    return source->NotAccepted() ? DRAGDROP_S_CANCEL : result;
}

}  // namespace

void SetRtfDragDropEnabled(bool Value) { rtfEnabled = Value; }
bool RtfDragDropEnabled() { return rtfEnabled; }

QString GridColumnMimeType() { return QStringLiteral("application/x-qt-windows-mime;value=\"Grid Column\""); }
QString GridCellsMimeType() { return QStringLiteral("application/x-qt-windows-mime;value=\"TExStringGrid Cells\""); }

// ---- TSourceDataObject ------------------------------------------------------------------------

TSourceDataObject::TSourceDataObject(const QString& stxt, const QString& srtf, int sidx, const QByteArray* ms)
    : text_(stxt), rtf_(srtf), column_(sidx)
{
    if (ms)
        stream_ = *ms;
}

QStringList TSourceDataObject::formats() const
{
    QStringList list;
    if (!text_.isEmpty()) {
        list << textMime;
        if (rtfEnabled)
            list << rtfMime;
    }
    if (column_ != -1)
        list << GridColumnMimeType();
    if (stream_)
        list << GridCellsMimeType();
    return list;
}

bool TSourceDataObject::hasFormat(const QString& MimeType) const { return formats().contains(MimeType); }

QVariant TSourceDataObject::retrieveData(const QString& MimeType, QMetaType) const
{
    if (!hasFormat(MimeType))
        return QVariant();
    if (MimeType == textMime)
        return text_;
    if (MimeType == rtfMime)
        return rtfBlock(rtf_);
    if (MimeType == GridColumnMimeType())
        return columnBlock(column_);
    return cellsBlock(*stream_);
}

// ---- TEnumFormats -----------------------------------------------------------------------------

TEnumFormats::TEnumFormats(const QMimeData* DataObject) : data_(DataObject) {}

bool TEnumFormats::HasFormat(const QString& MimeType) const { return data_ && data_->hasFormat(MimeType); }
// Plain text only: the toolkit would also count a list of files as text.
bool TEnumFormats::HasText() const
{
    if (!data_)
        return false;
    for (const QString& format : data_->formats())
        if (format == textMime || format.startsWith(textMime + u';'))
            return true;
    return false;
}
bool TEnumFormats::HasRTF() const { return HasFormat(rtfMime); }
bool TEnumFormats::HasCol() const { return HasFormat(GridColumnMimeType()); }
bool TEnumFormats::HasGridCells() const { return HasFormat(GridCellsMimeType()); }

bool TEnumFormats::HasFile() const
{
    QStringList files;
    return GetFileList(files);
}

bool TEnumFormats::HasURL() const { return !URL().isEmpty(); }

QString TEnumFormats::Text() const { return HasText() ? data_->text() : QString(); }

QString TEnumFormats::RTF() const
{
    if (!HasRTF())
        return QString();
    QByteArray block = data_->data(rtfMime);
    const qsizetype end = block.indexOf('\0');
    if (end >= 0)
        block.truncate(end);
    return StringFromAnsi(block);
}

int TEnumFormats::Col() const
{
    if (!HasCol())
        return -1;
    const QByteArray block = data_->data(GridColumnMimeType());
    if (block.size() < 4)
        return -1;
    return qFromLittleEndian<qint32>(block.constData());
}

std::optional<QByteArray> TEnumFormats::Stream() const
{
    if (!HasGridCells())
        return std::nullopt;
    const QByteArray block = data_->data(GridCellsMimeType());
    if (block.size() < 8)
        return std::nullopt;
    const quint32 n = qFromLittleEndian<quint32>(block.constData());
    if (n > quint64(block.size() - 8))
        return std::nullopt;
    return block.mid(8, n);
}

bool TEnumFormats::GetFileList(QStringList& Files) const
{
    if (data_ && data_->hasUrls())
        for (const QUrl& url : data_->urls())
            if (url.isLocalFile())
                Files << url.toLocalFile();
    return !Files.isEmpty();
}

QString TEnumFormats::URL() const
{
    if (data_ && data_->hasUrls())
        for (const QUrl& url : data_->urls())
            if (!url.isLocalFile() && url.isValid())
                return url.toString();
    return QString();
}

// ---- TESGDropTarget ---------------------------------------------------------------------------

TESGDropTarget::TESGDropTarget() = default;
TESGDropTarget::~TESGDropTarget() = default;

int TESGDropTarget::DragEnter(const QMimeData* DataObj, int KeyState, const TPoint&, int& Effect)
{
    const TEnumFormats formats(DataObj);
    const bool text = formats.HasText();
    const bool file = formats.HasFile();
    const bool rtf = formats.HasRTF();
    const bool col = formats.HasCol();
    const bool url = formats.HasURL();
    const bool cells = formats.HasGridCells();
    if (text && acceptText_)
        accepted_ = true;
    else if (file && acceptFiles_)
        accepted_ = true;
    else if (rtf && rtfEnabled && acceptText_)
        accepted_ = true;
    else if (col && acceptCols_)
        accepted_ = true;
    else if (url && acceptURLs_)
        accepted_ = true;
    else
        accepted_ = cells;
    dropFormats_ = TDropFormats();
    const std::pair<bool, TDropFormat> offered[] = {{text, dfText}, {file, dfFile}, {col, dfCol},
                                                    {rtf, dfRTF},   {url, dfURL},   {cells, dfGridCells}};
    for (const auto& [has, format] : offered)
        if (has)
            dropFormats_.Include(format);
    Effect = accepted_ ? dropEffect(KeyState, Effect) : DROPEFFECT_NONE;
    DragMouseEnter();
    return S_OK;
}

int TESGDropTarget::DragOver(int KeyState, const TPoint& pt, int& Effect)
{
    Effect = accepted_ ? dropEffect(KeyState, Effect) : DROPEFFECT_NONE;
    bool allow = Effect != DROPEFFECT_NONE;
    DragMouseMove(pt, allow, dropFormats_);
    if (!allow)
        Effect = DROPEFFECT_NONE;
    return S_OK;
}

int TESGDropTarget::DragLeave()
{
    DragMouseLeave();
    return S_OK;
}

int TESGDropTarget::Drop(const QMimeData* DataObj, int KeyState, const TPoint& pt, int& Effect)
{
    if (!accepted_) {
        Effect = DROPEFFECT_NONE;
        return S_OK;
    }
    const TEnumFormats formats(DataObj);
    if (formats.HasCol()) {
        DropCol(pt, formats.Col());
    } else {
        const std::optional<QByteArray> stream = formats.Stream();
        if (stream)
            DropStream(pt, *stream);
        else if (formats.HasRTF() && rtfEnabled)
            DropRTF(pt, formats.RTF());
        else if (formats.HasText())
            DropText(pt, formats.Text());
        QStringList files;
        if (formats.GetFileList(files))
            DropFiles(pt, files);
        if (formats.HasURL())
            DropURL(pt, formats.HasText() ? formats.Text() : formats.URL());
    }
    Effect = dropEffect(KeyState, Effect);
    return S_OK;
}

void TESGDropTarget::Register(QWidget* Widget)
{
    Widget->setAcceptDrops(true);
    Widget->installEventFilter(this);
}

void TESGDropTarget::Revoke(QWidget* Widget)
{
    Widget->removeEventFilter(this);
    Widget->setAcceptDrops(false);
}

bool TESGDropTarget::eventFilter(QObject*, QEvent* Event)
{
    switch (Event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        auto* e = static_cast<QDropEvent*>(Event);
        const QPoint at = e->position().toPoint();
        const TPoint pt{at.x(), at.y()};
        const int keys = keyStateOf(e->modifiers(), e->buttons());
        int effect = effectOf(e->possibleActions());
        if (Event->type() == QEvent::DragEnter)
            DragEnter(e->mimeData(), keys, pt, effect);
        else if (Event->type() == QEvent::DragMove)
            DragOver(keys, pt, effect);
        else
            Drop(e->mimeData(), keys, pt, effect);
        if (effect == DROPEFFECT_NONE) {
            e->ignore();
        } else {
            e->setDropAction(actionOf(effect));
            e->accept();
        }
        return true;
    }
    case QEvent::DragLeave:
        DragLeave();
        return true;
    default:
        return false;
    }
}

void TESGDropTarget::DropText(const TPoint&, const QString&) {}
void TESGDropTarget::DropStream(const TPoint&, const QByteArray&) {}
void TESGDropTarget::DropCol(const TPoint&, int) {}
void TESGDropTarget::DropRTF(const TPoint&, const QString&) {}
void TESGDropTarget::DropFiles(const TPoint&, const QStringList&) {}
void TESGDropTarget::DropURL(const TPoint&, const QString&) {}
void TESGDropTarget::DragMouseMove(const TPoint&, bool&, TDropFormats) {}
void TESGDropTarget::DragMouseEnter() {}
void TESGDropTarget::DragMouseLeave() {}

// ---- TESGDropSource ---------------------------------------------------------------------------

TESGDropSource::TESGDropSource() = default;
TESGDropSource::~TESGDropSource() = default;

int TESGDropSource::QueryContinueDrag(bool EscapePressed, int KeyState)
{
    int result = S_OK;
    if (EscapePressed) {
        DragEnded();
        result = DRAGDROP_S_CANCEL;
    } else if (!(KeyState & MK_LBUTTON)) {
        DragEnded();
        result = DRAGDROP_S_DROP;
    }
    QueryDrag();
    return result;
}

int TESGDropSource::GiveFeedback(int Effect)
{
    notAccepted_ = Effect == DROPEFFECT_NONE;
    CurrentEffect(Effect);
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

void TESGDropSource::DragEnded() {}
void TESGDropSource::CurrentEffect(int) {}
void TESGDropSource::QueryDrag() {}

// ---- running a drag ---------------------------------------------------------------------------

void SetDragRunner(TDragRunner Runner) { runner() = std::move(Runner); }
TDragRunner DragRunner() { return runner(); }

int RunTextDragDrop(TESGDropSource* DropSource, const QString& Text, const QString& Rtf, const QByteArray* Stream,
                    int AllowedEffects, int& Effect)
{
    return runDrag(DropSource, std::make_unique<TSourceDataObject>(Text, Rtf, -1, Stream), AllowedEffects, Effect);
}

int RunColumnDragDrop(TESGDropSource* DropSource, int Column, int AllowedEffects, int& Effect)
{
    return runDrag(DropSource, std::make_unique<TSourceDataObject>(QString(), QString(), Column, nullptr),
                   AllowedEffects, Effect);
}
