// CShapixCtrl: the outline editing control that a host embeds.
//
// The shape record and the cut results are nested in the control, as the
// host knows them (CShapixCtrl::CPicDerData, CShapixCtrl::CRetLines,
// CShapixCtrl::CRetLinesMng). They are declared here and defined in shape/,
// so the geometry builds and tests on its own; the window side of the
// control joins this class without moving them.
#pragma once

#include "platform/AfxTypes.h"

class AFX_EXT_CLASS CShapixCtrl {
public:
    class CPicDerData;
    class CRetLines;
    class CRetLinesMng;
};
