#pragma once

// The stateless utilities and painters of the grid family, by concern.

#include "grid/foundation/styles/ExUtilButtons.h"
#include "grid/foundation/util/ExUtilClipboard.h"
#include "grid/foundation/util/ExUtilDate.h"
#include "grid/foundation/util/ExUtilFilter.h"
#include "grid/foundation/util/ExUtilNumber.h"
#include "grid/foundation/styles/ExUtilPaint.h"
#include "grid/foundation/styles/ExUtilPaintBitmaps.h"
#include "grid/foundation/styles/ExUtilPaintLayered.h"
#include "grid/foundation/styles/ExUtilPaintUnderline.h"
#include "grid/foundation/styles/ExUtilProgress.h"
#include "grid/foundation/styles/ExUtilProgressLevel.h"
#include "grid/foundation/styles/ExUtilShapes.h"
#include "grid/foundation/util/ExUtilText.h"
