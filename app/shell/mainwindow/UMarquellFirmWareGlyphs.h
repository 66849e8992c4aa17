#pragma once

#include <QImage>

// The pictures of the main window's Info, Options and Close buttons: one
// 32 x 32 frame each, drawn on a see-through background colour.
QImage Info_Glyph();
QImage Options_Glyph();
QImage Close_Glyph();
