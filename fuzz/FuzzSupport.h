#pragma once

// What every fuzz target shares: one offscreen application and one scratch
// folder per process, input splitting, and the common workout of a picture.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

class TGraphic;
class THTMLPicture;

namespace fuzz {

// Creates the offscreen QApplication and the scratch folder once; the scratch
// folder becomes the executable's folder.
void EnsureApplication();
QString ScratchFolder();

QByteArray Bytes(const uint8_t* data, size_t size);
// The input cut at every zero byte into at most maxParts parts (the last part
// keeps the rest, zero bytes included).
std::vector<QByteArray> SplitParts(const QByteArray& input, int maxParts);

// Writes a file of the scratch folder (folders made as needed) and returns its
// path; removes it when `present` is false.
QString PutFile(const QString& relativePath, const QByteArray& content, bool present = true);

// Loads the bytes into the picture and, when they are accepted, converts,
// draws, saves and copies it, as the program's users of pictures do. Returns
// whether the picture accepted the data.
bool ExerciseGraphic(TGraphic& graphic, const QByteArray& bytes);
// Loads the bytes into a markup picture and, when they are accepted, finds,
// times, decodes and draws its frames and runs its animation a few ticks.
bool ExerciseFrames(THTMLPicture& picture, const QByteArray& bytes);

} // namespace fuzz
