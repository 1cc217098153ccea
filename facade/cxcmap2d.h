// What a host includes to use the module: the facade it instantiates and keeps, the coupling class
// selector, and the module's start-up.
#pragma once

#include "cxcclass.h"
#include "cxcmodule.h"
#include "megshowccdata2dfaceqz.h"
