// The framework stand-in: everything of MFC and Win32 that the library uses,
// under the names and with the behaviour of MFC 9.0 (Unicode) and Win32.
#pragma once

#include "AfxCollections.h"
#include "AfxException.h"
#include "AfxGeometry.h"
#include "AfxObject.h"
#include "AfxRuntime.h"
#include "AfxString.h"
#include "AfxTypes.h"
#include "GdiObject.h"
#include "Region.h"
