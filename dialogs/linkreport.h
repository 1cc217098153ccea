// The link dialogs' small-world graph report ("GT SW") with its threshold line, and the link
// threshold of their first refresh: run by the dialogs, and by hosts that print the report
// without opening a window.
#pragma once

#include "afxstr.h"
#include "windows.h"

class CSnsCohDataqz;
class CStatEEGCxcCntMapqz;
class CStatMEGCClCntMapqz;

namespace cxc {

// max(|lo|, |hi|) of the class data over all samples, self pairs left out.
AFX_EXT_API double largestLinkMagnitude(CSnsCohDataqz& data);
// The link threshold a link dialog's first refresh sets: half the largest magnitude, which goes to
// *largest when asked for.
AFX_EXT_API double firstRefreshThreshold(CSnsCohDataqz& data, double* largest = nullptr);

// The view's graph report at its threshold and class. With useThreshold it ends in the modality's
// threshold line: the threshold the report used and the connections it counted.
AFX_EXT_API CString linkGraphReport(CStatMEGCClCntMapqz& view, int useThreshold, int precise, int activeOnly);
AFX_EXT_API CString linkGraphReport(CStatEEGCxcCntMapqz& view, int useThreshold, int precise, int activeOnly);

}  // namespace cxc
