#pragma once

// Private state of THTMLPicture, shared by its source files.

#include "grid/foundation/pictures/PictureContainer.h"

#include <QtCore/QByteArray>
#include <QtGui/QImage>

struct THTMLPicture::Data {
    QByteArray bytes;        // the image file as loaded
    bool isEmpty = true;
    bool stretched = false;
    QImage decoded;          // the current frame; null when not decoded
    QString url;
    QString id;
    bool isDB = false;
    bool asynch = true;
    bool threadBusy = false;
    int frame = 1;
    int frameCount = -1;     // -1: not counted yet
    int frameXPos = 0;
    int frameYPos = 0;
    int frameXSize = 0;
    int frameYSize = 0;
    bool frameTransp = false;
    int frameDisposal = 0;
    int animMaxX = 0;        // the GIF logical screen
    int animMaxY = 0;
    int nextCount = -1;      // animation time (1/100 s) the next frame is due
    int timerCount = -1;     // ticks counted
};

namespace picturecontainer {
// The frame of the picture held in bytes: the image decoded through the
// platform's picture types. Raises EInvalidGraphic "Could not load image.
// Invalid format" for data that is not a readable picture and "Could not load
// image" when no picture comes out of it.
QImage decodeImage(const QByteArray& bytes);
}
