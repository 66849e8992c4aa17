#pragma once

#include <QtCore/QString>

class QImage;

// The pixels of the program's own bitmap resources (tree node buttons and the
// drop-down list pictures), made from the tables of this unit; a null image for
// an unknown name. Each has the key colour in its top-left corner.
QImage BitmapResourcePixels(const QString& name);
