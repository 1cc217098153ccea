// The MFC-named umbrella header that module code includes (through its stdafx.h).
#pragma once

#include "windows.h"
#include "atltypes.h"
#include "afxstr.h"
#include "cxcsat.h"
#if __has_include("cxcgdi.h")
#include "cxcgdi.h"
#endif
#if __has_include("cxcwnd.h")
#include "cxcwnd.h"
#endif
