// The fixed texts of the row/column viewer and the matrix viewer: what their views write when
// something is missing, and their message boxes and captions.
#pragma once

namespace cxc::viewers::text {
// Row/column view.
inline constexpr const wchar_t* kNoDrawer = L"MEG Wave-CC data drawer has not been initialized!";
inline constexpr const wchar_t* kComputeFirst = L"Please compute channel-channel data first!";
inline constexpr const wchar_t* kNoPairArray = L"Please compute channel-channel data or select other class of data!";
// Row/column dialog.
inline constexpr const wchar_t* kShowModeError = L"Show mode error!?";
inline constexpr const wchar_t* kDisplayModeError = L"Display mode error!";
inline constexpr const wchar_t* kNoClassData = L"There is no data!?";
// Matrix view.
inline constexpr const wchar_t* kMatrixComputeFirst = L"Please compute CxC data first!";
inline constexpr const wchar_t* kMatrixNoPairArray = L"Please compute CxC data or select other class of data!";
// Matrix dialog's play button.
inline constexpr const wchar_t* kPlaying = L"Stop F...";
inline constexpr const wchar_t* kStopped = L"Start";
}  // namespace cxc::viewers::text
