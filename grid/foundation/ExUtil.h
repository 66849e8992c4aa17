#pragma once

// The stateless utilities of the grid family, by concern.

#include "grid/foundation/ExUtilClipboard.h"
#include "grid/foundation/ExUtilDate.h"
#include "grid/foundation/ExUtilFilter.h"
#include "grid/foundation/ExUtilNumber.h"
#include "grid/foundation/ExUtilText.h"
