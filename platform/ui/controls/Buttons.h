#pragma once

#include "platform/ui/controls/Control.h"

#include <QtWidgets/QToolButton>

class TBitmap;

// A speed button: a focus-less button with a caption and an optional glyph
// that raises OnClick when clicked. It may stay down, and may look flat.
class TSpeedButton : public QToolButton, public platform::TControl, public TObject {
 public:
  explicit TSpeedButton(QWidget* parent = nullptr);
  ~TSpeedButton() override;

  QString Caption() const;
  void SetCaption(const QString& caption);
  bool Flat() const;
  void SetFlat(bool flat);
  bool Down() const;
  void SetDown(bool down);
  // The glyph strip; nullptr for none. The button keeps a copy.
  TBitmap* Glyph() const;
  void SetGlyph(const TBitmap* glyph);
  int NumGlyphs() const;
  void SetNumGlyphs(int count);

  // Raises OnClick, as a click of the mouse does.
  virtual void Click();

  TNotifyEvent OnClick;

 private:
  struct Data;
  std::unique_ptr<Data> d;
};
