// The suite's companion libraries as the module uses them: recording data (data set, sessions,
// trials, channels), sensors, channel coupling data, and the drawing services (base waveform
// drawer, data grid, contour lines, clip overlay, image stretching, colour tables, pen set-up and
// information windows). Everything they own stays theirs: the module never frees a companion object.
#pragma once

#include "adrcolors.h"
#include "contourlines.h"
#include "couplingroad.h"
#include "datagrid.h"
#include "drawclips.h"
#include "eegelectrode.h"
#include "hqimage.h"
#include "magsensor.h"
#include "mdchannel.h"
#include "mdtrial.h"
#include "medataset.h"
#include "megcolors.h"
#include "megdraw.h"
#include "megdata.h"
#include "pensetup.h"
#include "richinfo.h"
#include "snscohdata.h"
#include "snscohface.h"
#include "wavpair.h"
