// MFC-named compatibility header; everything comes with afxwin.h.
#pragma once

#include "afxwin.h"
