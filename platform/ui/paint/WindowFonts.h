#pragma once

// The faces behind the font names the windows use. The windows were laid out
// for Tahoma, MS Sans Serif and Verdana; Wine's font folder holds faces of the
// first two with the same widths, which fontconfig does not list, so the
// program registers them for itself. Names without such a face resolve to
// DejaVu Sans, whatever the desktop would pick for them.

#include <QtCore/QString>
#include <QtCore/QStringList>

namespace platform {

// Registers the faces and the substitutes once, after the application object
// exists; later calls only answer. Reads just the few files it names, so it
// costs little at start-up. Returns the families that found a face.
QStringList RegisterWindowFonts();

// The installed family that stands in for a Windows font name: the registered
// face of that name, else DejaVu Sans for the proportional system fonts.
QString FontFamilyFor(const QString& name);

}  // namespace platform
