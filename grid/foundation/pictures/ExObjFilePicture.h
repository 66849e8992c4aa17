#pragma once

#include "platform/core/TObject.h"
#include "platform/ui/paint/Geometry.h"

#include <QtCore/QString>

class TCanvas;

// A picture cell that names an image file. Only the name and the picture's
// size are kept; the file is read again each time it is drawn.
class TFilePicture : public TObject {
public:
    QString Filename() const { return m_filename; }
    // Stores the name and takes the size from the file; a file that cannot be
    // read raises the picture's load error (the name stays, the size is kept).
    // An empty name has size 0.
    void SetFilename(const QString& Value);
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Draws the named file stretched into R; nothing for an empty name.
    void DrawPicture(TCanvas* Canvas, const TRect& R) const;

    // Copies name and size from another TFilePicture without reading the file;
    // any other source is ignored.
    void Assign(const TObject* Source);

private:
    QString m_filename;
    int m_width = 0;
    int m_height = 0;
};
