// What every source of the module includes first: the MFC/GDI-shaped platform, the companion
// libraries and the module's resource ids.
#pragma once

#include "afxwin.h"
#include "afxext.h"
#include "afxdialogex.h"
#include "afxcmn.h"
#include "cxccompanions.h"
#include "resource.h"
