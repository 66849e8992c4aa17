// Dropped data read by TEnumFormats and delivered by a drop target: the input
// is cut into a column block, a cells block, rich text and a URI list.

#include "fuzz/FuzzSupport.h"

#include "grid/cells/dragdrop/esgdd.h"

#include <QtCore/QMimeData>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::EnsureApplication();
    const std::vector<QByteArray> parts = fuzz::SplitParts(fuzz::Bytes(data, size), 4);
    QMimeData mime;
    const QString formats[] = {GridColumnMimeType(), GridCellsMimeType(), QStringLiteral("text/rtf"),
                               QStringLiteral("text/uri-list")};
    for (size_t i = 0; i < parts.size(); ++i)
        mime.setData(formats[i], parts[i]);
    const TEnumFormats reader(&mime);
    (void)reader.Col();
    (void)reader.RTF();
    (void)reader.Text();
    (void)reader.URL();
    QStringList files;
    (void)reader.GetFileList(files);
    const std::optional<QByteArray> stream = reader.Stream();
    if (stream && qsizetype(stream->size()) > parts[1].size() - 8)
        std::abort(); // the stream never reaches beyond its block

    SetRtfDragDropEnabled(true);
    TESGDropTarget target;
    int effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target.DragEnter(&mime, MK_LBUTTON, TPoint{1, 1}, effect);
    target.DragOver(MK_LBUTTON, TPoint{2, 2}, effect);
    target.Drop(&mime, 0, TPoint{2, 2}, effect);
    SetRtfDragDropEnabled(false);
    return 0;
}
