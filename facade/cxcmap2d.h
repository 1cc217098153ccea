// What a host includes to use the module: the facade it instantiates and keeps, the coupling class
// selector, the module's start-up, the operations a host runs without a window (the graph report,
// the contour view's grid) and the module's last error.
#pragma once

#include "contourview.h"
#include "cxcclass.h"
#include "cxcmodule.h"
#include "linkreport.h"
#include "megshowccdata2dfaceqz.h"
#include "modulebase.h"
