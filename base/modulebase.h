// Module-wide names every layer shares: the timer ids of the playing dialogs, the fixed texts a
// view writes instead of its picture when the coupling data it needs are missing, and the module's
// last error.
#pragma once

#include "couplingroad.h"

namespace cxc {

// A failure the user must see: the message box, and the same text as the module's last error.
int tellUser(const wchar_t* text);
// How many failures tellUser has told so far: an operation compares it to see whether a step it ran
// told one.
unsigned long toldCount();

// The module's last error: the text of the last failure the module told its user, or that an
// operation for hosts gave as its reason. Sticky: successes leave it; the next failure replaces it,
// clearLastError empties it.
AFX_EXT_API CString lastError();
AFX_EXT_API void setLastError(const CString& text);
AFX_EXT_API void clearLastError();

inline constexpr UINT_PTR kMapPlayTimer = 100;     // the play (or animate) timer of every map dialog
inline constexpr UINT_PTR kMatrixPlayTimer = 101;  // the matrix viewer's play timer

namespace text {
// The sensor maps and the row/column viewer.
inline constexpr MissingDataTexts kMissingData{
    L"MEG Wave-CC data drawer has not been initialized!",
    L"Please compute channel-channel data first!",
    L"Please compute channel-channel data or select other class of data!",
};
// The matrix viewer (it has no drawer).
inline constexpr MissingDataTexts kMatrixMissingData{
    nullptr,
    L"Please compute CxC data first!",
    L"Please compute CxC data or select other class of data!",
};
}  // namespace text

}  // namespace cxc
