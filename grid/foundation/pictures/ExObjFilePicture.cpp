#include "grid/foundation/pictures/ExObjFilePicture.h"

#include "platform/picture/Picture.h"
#include "platform/ui/paint/Canvas.h"

void TFilePicture::SetFilename(const QString& Value)
{
    m_filename = Value;
    if (Value.isEmpty()) {
        m_width = 0;
        m_height = 0;
        return;
    }
    TPicture picture;
    picture.LoadFromFile(Value);
    m_width = picture.Width();
    m_height = picture.Height();
}

void TFilePicture::DrawPicture(TCanvas* Canvas, const TRect& R) const
{
    if (m_filename.isEmpty() || !Canvas)
        return;
    TPicture picture;
    picture.LoadFromFile(m_filename);
    Canvas->StretchDraw(R, picture.Graphic());
}

void TFilePicture::Assign(const TObject* Source)
{
    const auto* source = dynamic_cast<const TFilePicture*>(Source);
    if (!source)
        return;
    m_filename = source->m_filename;
    m_width = source->m_width;
    m_height = source->m_height;
}
