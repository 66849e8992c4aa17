#pragma once

#include <QtCore/QString>

class QImage;

// The pixels of the program's own bitmap resources (tree node buttons, the
// drop-down list pictures and the flat check and radio glyphs), made from the
// tables of this unit; names match without regard to case, a null image for an
// unknown name. Each has the key colour in its top-left corner.
QImage BitmapResourcePixels(const QString& name);
