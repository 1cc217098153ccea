// The fixed texts of the map dialogs and the standard display parameters dialog: message boxes,
// play button captions, window captions and the format strings they fill.
#pragma once

namespace cxc::dialogs::text {

inline constexpr const wchar_t* kErrorCreatingDialog = L"Error creating Dialog!";
inline constexpr const wchar_t* kRangeError = L"Cxc data range error!";
inline constexpr const wchar_t* kNoClassData = L"No Cxc Data for this class!?";

inline constexpr const wchar_t* kPlayStopped = L"Play...";
inline constexpr const wchar_t* kPlayRunning = L"Stop...";

// Window captions: the class prefix, then what the dialog shows.
inline constexpr const wchar_t* kActivePrefix = L"Active Selection: ";
inline constexpr const wchar_t* kControlPrefix = L"Control Selection: ";
inline constexpr const wchar_t* kResultPrefix = L"Active-Control Result: ";
inline constexpr const wchar_t* kUnknownPrefix = L"Unknown ";
inline constexpr const wchar_t* kMapCaption = L"Waveform CxC Map 2D";

// Initial titles of the dialogs, before their first refresh names the class.
inline constexpr const wchar_t* kLinkTitle = L"Waveform CxC ZudiZude 2D Map";
inline constexpr const wchar_t* kWaveTitle = L"Waveform CxC RizoRizud 2D Map";

// The line the link dialogs append to a thresholded graph report.
inline constexpr const wchar_t* kMegThresholdLine = L"Threshold:%f Connection:%d \n";
inline constexpr const wchar_t* kEegThresholdLine = L"Threshold:%f Connect:%d\n";

// The standard display parameters dialog.
inline constexpr const wchar_t* kClassActive = L"Active";
inline constexpr const wchar_t* kClassControl = L"Control";
inline constexpr const wchar_t* kClassResults = L"Results";
inline constexpr const wchar_t* kLowRefreshed = L"select low:%0.3f->%0.3f";
inline constexpr const wchar_t* kHighRefreshed = L"select high:%0.3f->%0.3f";
inline constexpr const wchar_t* kLowScrolled = L"Select Low:%0.3f->%0.3f";
inline constexpr const wchar_t* kHighScrolled = L"Select High: %0.3f->%0.3f";

}  // namespace cxc::dialogs::text
