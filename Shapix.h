// Shapix: the outline editing control and everything a host needs with it.
// Include this one header and link the `shapix` library.
#pragma once

#include "platform/AfxWin.h"

#include "control/DrawObj.h"
#include "control/DrawObjAry.h"
#include "control/DrawTool.h"
#include "control/MyPoint.h"
#include "control/ShapixCtrl.h"
#include "dialogs/EditSideDlg.h"
#include "dialogs/ImpDigital.h"
#include "dims/HisRel.h"
#include "dims/InputText.h"
#include "dims/Relation.h"
#include "dims/RelationMng.h"
#include "dims/SaveRel.h"
#include "poly/MyDrawPoly.h"
#include "res/ShapixResources.h"
#include "shape/Arc.h"
#include "shape/FloatGeom.h"
#include "shape/PicDerData.h"
#include "shape/RetLines.h"
#include "shape/ShapixMath.h"
