#pragma once

// The state of the tab page control and its pages, shared by the files that
// implement them (mechanics, pages, painting).

#include "grid/foundation/pagecontrol/ExPageControl.h"
#include "platform/core/StringList.h"
#include "platform/picture/Bitmap.h"
#include "platform/ui/paint/Font.h"

#include <vector>

struct TExTabSheet::Data {
  QString caption;
  // The text the strip gets: sized for the close button, without padding blanks.
  QString tabCaption;
  TColor textColor = clBlack;
  TColor tabColor = clNone;
  TColor tabColorTo = clNone;
  TColor colorTo = clNone;
  bool showClose = false;
  ExPageControl::TGradientDirection tabGradientDirection = ExPageControl::gdVertical;
  ExPageControl::TGradientDirection hoverGradientDirection = ExPageControl::gdVertical;
  int imageIndex = -1;
  // The index the strip gets: the image, or 0 so that every tab keeps the room.
  int imageIndexDummy = 0;
  TExPageControl* control = nullptr;
  bool tabVisible = true;
  bool tabShowing = false;
  bool highlighted = false;
  bool tabEnable = true;
  // The control that holds the page is being destroyed: no more events.
  bool silenced = false;
};

enum class CloseLook { Normal, Hot, Pressed };

struct TExPageControl::Data {
  std::vector<TExTabSheet*> pages;
  TExTabSheet* activePage = nullptr;
  TTabMargin tabMargin;
  TStringList closedTabList;
  TImageList* images = nullptr;
  // Room every tab keeps for an image and the margins.
  int dummyWidth = 0;
  int dummyHeight = 0;
  TColor defaultTextColor = clBlack;
  TColor defaultTabColor = clBtnFace;
  TColor defaultTabColorTo = clNone;
  TColor activeColor = clBtnFace;
  TColor activeColorTo = clNone;
  bool tabBorder3D = false;
  TColor tabBorderColor = clGray;
  TColor tabHoverColor = clNone;
  TColor tabHoverColorTo = clNone;
  TColor tabHoverBorder = clNone;
  bool showFocus = false;
  bool hoverClosedButton = false;
  int tabOverlap = 0;
  bool tabSheet3D = false;
  TColor tabSheetBorderColor = clGray;
  TColor tabBackGroundColor = clBtnFace;
  bool tabSplitLine = false;
  bool roundEdges = false;
  int hoverTab = -1;
  TBitmap tabBackGround;
  TBitmap tabBackGroundActive;
  ExPageControl::TTabStyle tabStyle = ExPageControl::tsClassic;
  int lowerActive = 2;
  bool propertiesLoaded = true;
  bool freeOnClose = false;
  TFont activeFont;
  TBitmap closeGlyph;
  // How the active tab's close button is drawn while the pointer works on it.
  CloseLook closeLook = CloseLook::Normal;
  bool closePressed = false;
};
