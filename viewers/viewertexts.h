// The fixed texts of the row/column viewer and the matrix viewer: their message boxes and captions
// (what their views write when data are missing is module-wide).
#pragma once

namespace cxc::viewers::text {
// Row/column dialog.
inline constexpr const wchar_t* kShowModeError = L"Show mode error!?";
inline constexpr const wchar_t* kDisplayModeError = L"Display mode error!";
inline constexpr const wchar_t* kNoClassData = L"There is no data!?";
// Matrix dialog's play button.
inline constexpr const wchar_t* kPlaying = L"Stop F...";
inline constexpr const wchar_t* kStopped = L"Start";
}  // namespace cxc::viewers::text
