#pragma once

#include <QtCore/QString>

#include <array>

class TBitmap;

// The pictures of the drop-down list unit, loaded from the program's bitmap
// resources in this order: edit, new, new disabled, delete, delete disabled, up,
// down, and the strip of four pins.
inline constexpr int ComboBoxXBitmapCount = 8;
const std::array<QString, ComboBoxXBitmapCount>& ComboBoxXBitmapNames();
// Created and loaded on first use; they live until the program ends.
const std::array<TBitmap*, ComboBoxXBitmapCount>& ComboBoxXBitmaps();
