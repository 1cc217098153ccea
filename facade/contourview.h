// The contour view's preparation as the contour show functions make it before their dialog's
// first refresh, for the show functions and for hosts that want the grid without a window.
#pragma once

#include "windows.h"

class CArrayMEDataSetqz;
class CStatEEGCxcCntMapqz;
class CStatMEGCClCntMapqz;

namespace cxc {

// Binds the view to the data set's current trial and class, projects its sensors and builds its
// interpolation grid over the class data's current row and selection. 0 when there is no current
// trial or the grid cannot be built; the module's last error then says why.
AFX_EXT_API int prepareContourView(CStatMEGCClCntMapqz& view, CArrayMEDataSetqz* dataSet, int cxcClass);
AFX_EXT_API int prepareContourView(CStatEEGCxcCntMapqz& view, CArrayMEDataSetqz* dataSet, int cxcClass);

}  // namespace cxc
