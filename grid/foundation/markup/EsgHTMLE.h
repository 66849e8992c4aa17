#pragma once

#include "platform/ui/paint/Colors.h"
#include "platform/ui/paint/Geometry.h"

#include <QtCore/QString>

class QWidget;
class TCanvas;
class TImageList;
class THTMLPictureCache;
class TPictureContainer;

// Reading direction of a control: right-to-left modes mirror the alignment and
// reading order of markup lines on a Middle-East locale.
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

// Lays out the cell markup Text inside Bounds on Canvas, line by line, and draws it
// (draw mode), only measures it (MeasureOnly) or only tests the point
// (PointX, PointY) against it at the drawn positions (HitTestOnly). Each line
// takes two passes: the first cuts and measures it, the second draws or tests it
// at its aligned position. The syntax comes from EsgHTMLESyntax; pictures come
// from Images, the picture container or the cache of located pictures; form
// controls are drawn as classic frame controls.
//
// The grid finds the anchor, anchored picture or form control under the mouse in
// hit-test mode: only there is every anchor tested where it is drawn, and a
// ControlID passed in names the control whose rectangle, value and type come back
// wherever the point lies. Draw mode reports anchored pictures and form controls
// under the point; measure mode reports no hits and returns false.
//
// Outputs: TextWidth is the widest line without its trailing blank, TextHeight the
// sum of the line heights (at least the height of "gh"), PlainText the text
// without tags (a carriage return per line break), AnchorCount the anchors met.
// HitAnchor is the HREF under the point ("ctrl" on a form control) and is left as
// passed when nothing is hit; HitAnchorRect is left as passed as well. The canvas
// pen, brush and font are as before the call when it returns.
bool RenderMarkupText(TCanvas* Canvas, const QString& Text, TRect Bounds, TImageList* Images, int PointX,
                      int PointY, int FocusAnchor, int HoverAnchor, int ShadowOffset, bool HitTestOnly,
                      bool MeasureOnly, bool ScaleImages, bool KeepColors, bool BlinkVisible, bool HoverOnly,
                      bool WordWrap, bool MouseDown, double ImageScale, TColor AnchorColor, TColor HoverBackColor,
                      TColor HoverTextColor, TColor ShadowColor, QString& HitAnchor, QString& PlainText,
                      QString& FocusAnchorRef, QString& HitAnchorTitle, int& TextWidth, int& TextHeight,
                      int& AnchorCount, int& HitAnchorIndex, TRect& HitAnchorRect, TRect& ControlRect,
                      QString& ControlID, QString& ControlValue, QString& ControlType,
                      THTMLPictureCache* PictureCache, TPictureContainer* Container, QWidget* OwnerWindow,
                      TBiDiMode BiDiMode);
