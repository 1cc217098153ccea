// The MFC-named umbrella header that module code includes (through its stdafx.h).
#pragma once

#include "windows.h"
#include "atltypes.h"
#include "afxstr.h"
#include "cxcsat.h"
#include "cxcgdi.h"
#include "cxcwnd.h"
