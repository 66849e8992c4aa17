#pragma once

// The stateless utilities and painters of the grid family, by concern.

#include "grid/foundation/ExUtilButtons.h"
#include "grid/foundation/ExUtilClipboard.h"
#include "grid/foundation/ExUtilDate.h"
#include "grid/foundation/ExUtilFilter.h"
#include "grid/foundation/ExUtilNumber.h"
#include "grid/foundation/ExUtilPaint.h"
#include "grid/foundation/ExUtilPaintBitmaps.h"
#include "grid/foundation/ExUtilPaintLayered.h"
#include "grid/foundation/ExUtilPaintUnderline.h"
#include "grid/foundation/ExUtilProgress.h"
#include "grid/foundation/ExUtilProgressLevel.h"
#include "grid/foundation/ExUtilShapes.h"
#include "grid/foundation/ExUtilText.h"
