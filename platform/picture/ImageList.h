#pragma once

#include "platform/ui/paint/Colors.h"

#include <functional>
#include <memory>

class TBitmap;
class TCanvas;

// A list of small pictures of one size, each with its transparent parts, drawn
// by index. A bitmap wider than the list's width adds one picture per width.
class TImageList {
 public:
  explicit TImageList(int width = 16, int height = 16);
  ~TImageList();
  TImageList(const TImageList&) = delete;
  TImageList& operator=(const TImageList&) = delete;

  int Width() const;
  int Height() const;
  // A new size empties the list.
  void SetWidth(int width);
  void SetHeight(int height);
  int Count() const;

  // Adds the pictures of image; where mask is given, its white pixels are
  // transparent. Returns the index of the first picture added, -1 for none.
  int Add(const TBitmap* image, const TBitmap* mask = nullptr);
  // As Add, with every pixel of maskColor transparent (clDefault: the colour of
  // the bottom-left pixel).
  int AddMasked(const TBitmap* image, TColor maskColor);
  void Delete(int index);
  void Clear();

  // An index out of range draws nothing.
  void Draw(TCanvas* canvas, int x, int y, int index) const;
  // target becomes the picture on a white background.
  void GetBitmap(int index, TBitmap* target) const;

  std::function<void(TImageList* sender)> OnChange;

 private:
  struct Data;
  std::unique_ptr<Data> d;
};
