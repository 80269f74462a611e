// Shapix: the outline editing control and everything a host needs with it.
// Include this one header and link the `shapix` library.
#pragma once

#include "platform/AfxWin.h"

#include "control/ShapixCtrl.h"
#include "res/ShapixResources.h"
#include "shape/Arc.h"
#include "shape/FloatGeom.h"
#include "shape/PicDerData.h"
#include "shape/RetLines.h"
#include "shape/ShapixMath.h"
