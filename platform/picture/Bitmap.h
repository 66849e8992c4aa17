#pragma once

#include "platform/picture/Graphic.h"

class QImage;

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };

// Where the transparent colour comes from: the bottom-left pixel, or a fixed colour.
enum TTransparentMode { tmAuto, tmFixed };

// A picture of pixels with a canvas of its own. New pixels are white. pf32bit
// keeps an alpha channel (drawn opaque, as the other formats); every other format
// is held as 24-bit colour. Loads and saves BMP files.
class TBitmap : public TGraphic {
 public:
  TBitmap();
  TBitmap(int width, int height);
  ~TBitmap() override;

  int Width() const override;
  int Height() const override;
  void SetWidth(int width);
  void SetHeight(int height);
  // Keeps the top-left part of the old pixels.
  void SetSize(int width, int height);
  TPixelFormat PixelFormat() const;
  void SetPixelFormat(TPixelFormat format);

  TCanvas* Canvas();

  // With Transparent set, Draw leaves out the pixels of this colour.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor color);
  TTransparentMode TransparentMode() const;
  void SetTransparentMode(TTransparentMode mode);

  void LoadFromStream(const QByteArray& data) override;
  void SaveToStream(QByteArray& data) const override;
  void Assign(const TGraphic* source) override;
  void Draw(TCanvas& canvas, const TRect& r) const override;
  QImage toImage() const override;
  std::unique_ptr<TGraphic> clone() const override;

  // The pixels for direct work (ends painting through the canvas first).
  QImage& image();
  // The pixels as they are now (ends painting through the canvas first).
  QImage pixels() const;
  void setImage(const QImage& image);

 private:
  struct Data;
  std::unique_ptr<Data> d;
};
