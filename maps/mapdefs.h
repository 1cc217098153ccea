// Names shared by every layer of the sensor map views: the display modes, the channel types and
// the fixed texts the views show. The waveform drawer (the facade) is only referred to here.
#pragma once

class CMEGDrawCCDataqz;

// What a sensor map view draws over its sensors.
typedef int MapMode;
constexpr MapMode MapModeTopLink = 0;  // straight links between coupled sensors
constexpr MapMode MapModeTopWave = 1;  // a small coupling waveform at every sensor
constexpr MapMode MapModeContour = 2;  // interpolated field and contour lines

// Which channels, and which of their 2-D plane positions, a view uses.
typedef int ChnlType;
constexpr ChnlType ChnlTypeMeg = 0;
constexpr ChnlType ChnlTypeEeg = 1;

namespace cxc::maps::text {
inline constexpr const wchar_t* kNoSensorClicked = L"No sensor is clicked!";
inline constexpr const wchar_t* kChannelTypeError = L"Contourmap Channel Type Error!?";
inline constexpr const wchar_t* kNoMegData = L"There is no MEG data!";
inline constexpr const wchar_t* kSensorLocationError = L"sensor location error!";
inline constexpr const wchar_t* kDrawSensorError = L"Draw sensor error !";
inline constexpr const wchar_t* kNoData = L"No Data";
inline constexpr const wchar_t* kNoConnection = L"No network connection \n";
inline constexpr const wchar_t* kGridRangeZero = L"Grid data range is 0.0?";
}  // namespace cxc::maps::text
