// The dialog templates and the menu of the module. Controls are listed in template order, which is
// also the tab order and the order DDX_Radio groups follow; rectangles are x, y, width, height in
// dialog units. Unnamed labels have the id IDC_STATIC.
#include "resource.h"
#include "tables.h"

namespace {

using cxc::res::DialogItem;
using cxc::res::DialogTemplate;
using cxc::res::MenuEntry;
using IC = cxc::res::ItemClass;

constexpr DWORD kCtl = WS_CHILD | WS_VISIBLE;

constexpr DialogItem combo(int id, short x, short y, short cx, short cy)
{
    return {IC::ComboBox, id, nullptr, x, y, cx, cy, static_cast<DWORD>(kCtl | CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP)};
}
constexpr DialogItem check(int id, const wchar_t* text, short x, short y, short cx, short cy, DWORD extra = 0)
{
    return {IC::Button, id, text, x, y, cx, cy, static_cast<DWORD>(kCtl | BS_AUTOCHECKBOX | WS_TABSTOP | extra)};
}
constexpr DialogItem radio(int id, const wchar_t* text, short x, short y, short cx, short cy, DWORD extra = 0)
{
    return {IC::Button, id, text, x, y, cx, cy, static_cast<DWORD>(kCtl | BS_AUTORADIOBUTTON | extra)};
}
constexpr DialogItem push(int id, const wchar_t* text, short x, short y, short cx, short cy, DWORD extra = 0)
{
    return {IC::Button, id, text, x, y, cx, cy, static_cast<DWORD>(kCtl | BS_PUSHBUTTON | WS_TABSTOP | extra)};
}
constexpr DialogItem defpush(int id, const wchar_t* text, short x, short y, short cx, short cy)
{
    return {IC::Button, id, text, x, y, cx, cy, static_cast<DWORD>(kCtl | BS_DEFPUSHBUTTON | WS_TABSTOP)};
}
constexpr DialogItem edit(int id, short x, short y, short cx, short cy)
{
    return {IC::Edit, id, nullptr, x, y, cx, cy, static_cast<DWORD>(kCtl | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP)};
}
constexpr DialogItem label(const wchar_t* text, short x, short y, short cx, short cy, int id = IDC_STATIC)
{
    return {IC::Static, id, text, x, y, cx, cy, static_cast<DWORD>(kCtl | SS_LEFT | WS_GROUP)};
}
constexpr DialogItem ctext(const wchar_t* text, short x, short y, short cx, short cy, int id = IDC_STATIC)
{
    return {IC::Static, id, text, x, y, cx, cy, static_cast<DWORD>(kCtl | SS_CENTER | WS_GROUP)};
}
// A view: a static without SS_NOTIFY, so its clicks reach the dialog.
constexpr DialogItem view(int id, short x, short y, short cx, short cy, DWORD extra = 0)
{
    return {IC::Static, id, L"", x, y, cx, cy, static_cast<DWORD>(kCtl | SS_LEFT | extra)};
}
constexpr DialogItem group(const wchar_t* text, short x, short y, short cx, short cy, DWORD extra = 0)
{
    return {IC::Button, IDC_STATIC, text, x, y, cx, cy, static_cast<DWORD>(kCtl | BS_GROUPBOX | extra)};
}
constexpr DialogItem hscroll(int id, short x, short y, short cx, short cy)
{
    return {IC::ScrollBar, id, nullptr, x, y, cx, cy, static_cast<DWORD>(kCtl | SBS_HORZ)};
}
constexpr DialogItem updown(int id, short x, short y, short cx, short cy, DWORD style)
{
    return {IC::UpDown, id, nullptr, x, y, cx, cy, static_cast<DWORD>(kCtl | style)};
}

constexpr DWORD kMapStyle = DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr DWORD kViewerStyle = DS_SHELLFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr DWORD kFixedStyle = DS_SHELLFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;

// ---- link map dialogs --------------------------------------------------------------------------------

constexpr DialogItem kMegLink[] = {
    combo(IDC_ROW_COMBO, 7, 3, 49, 114),
    combo(IDC_COLUMN_COMBO, 7, 19, 49, 114),
    push(IDC_GT_SW, L"GT SW", 30, 36, 28, 14),
    check(IDC_SHOW_LABEL_CHECK, L"Label", 61, 4, 39, 10),
    check(IDC_RADIOLOGY, L"Radiology... ", 61, 21, 44, 10),
    check(IDC_SHOW_SENSOR_CHECK, L"Sensor", 112, 4, 39, 10),
    check(IDC_SHOW_LINK, L"Show Link", 112, 21, 47, 10),
    check(IDC_COLOR_LINK, L"Color Link", 112, 38, 48, 10),
    label(L"Sns Size", 171, 6, 32, 8),
    edit(IDC_SENSOR_SIZE, 209, 3, 37, 16),
    label(L"Max Link", 171, 23, 32, 8),
    edit(IDC_MAX_LINK, 209, 20, 37, 16),
    label(L"Threshold", 171, 40, 32, 8),
    edit(IDC_LINK_THRESHOLD, 209, 37, 37, 16),
    label(L"SelectB", 251, 6, 26, 8),
    edit(IDC_SELECT_BEGIN, 282, 3, 37, 16),
    label(L"SelectE", 251, 23, 26, 8),
    edit(IDC_SELECT_END, 282, 20, 37, 16),
    label(L"Top(%)", 251, 40, 26, 8),
    edit(IDC_TOP_PERCENT, 282, 37, 37, 16),
    push(IDC_STEP_FORWARD, L">>>", 323, 3, 38, 14),
    push(IDC_STEP_BACK, L"<<<", 323, 20, 38, 14),
    push(IDC_FIT_TOP, L"Fit Top", 323, 38, 38, 14),
    push(IDC_PLAY, L"Play", 363, 3, 38, 14),
    push(IDC_UPDATE, L"Update", 363, 20, 38, 14),
    push(IDC_APPLY, L"Apply", 363, 38, 38, 14),
    push(IDC_SETTING, L"Setting", 405, 3, 38, 14),
    view(IDC_MAP_VIEW, 5, 56, 438, 332),
};

constexpr DialogItem kEegLink[] = {
    combo(IDC_ROW_COMBO, 7, 3, 49, 114),
    combo(IDC_COLUMN_COMBO, 7, 19, 49, 114),
    push(IDC_GT_SW, L"GT SW", 30, 36, 28, 14),
    check(IDC_SHOW_LABEL_CHECK, L"Label", 61, 4, 39, 10),
    check(IDC_RADIOLOGY, L"Radiology... ", 61, 21, 44, 10),
    check(IDC_SHOW_SENSOR_CHECK, L"Sensor", 112, 4, 39, 10),
    check(IDC_SHOW_LINK, L"Show Link", 112, 21, 47, 10),
    check(IDC_COLOR_LINK, L"Color Link", 112, 38, 48, 10),
    label(L"Sns Size", 171, 6, 32, 8),
    edit(IDC_SENSOR_SIZE, 209, 3, 37, 16),
    label(L"Max Link", 171, 23, 32, 8),
    edit(IDC_MAX_LINK, 209, 20, 37, 16),
    label(L"Threshold", 171, 40, 32, 8),
    edit(IDC_LINK_THRESHOLD, 209, 37, 37, 16),
    label(L"SelectB", 251, 6, 26, 8),
    edit(IDC_SELECT_BEGIN, 282, 3, 37, 16),
    label(L"SelectE", 251, 23, 26, 8),
    edit(IDC_SELECT_END, 282, 20, 37, 16),
    label(L"Top(%)", 251, 40, 26, 8),
    edit(IDC_TOP_PERCENT, 282, 37, 37, 16),
    push(IDC_STEP_FORWARD, L">>>", 323, 3, 38, 14),
    push(IDC_STEP_BACK, L"<<<", 323, 20, 38, 14),
    push(IDC_FIT_TOP, L"Fit Top", 323, 38, 38, 14),
    push(IDC_PLAY, L"Play", 366, 3, 38, 14),
    push(IDC_UPDATE, L"Update", 366, 20, 38, 14),
    push(IDC_APPLY, L"Apply", 366, 38, 38, 14),
    view(IDC_MAP_VIEW, 5, 55, 399, 332),
};

// ---- patch map dialogs (MEG and EEG share the layout) -------------------------------------------------

constexpr DialogItem kTopWave[] = {
    combo(IDC_ROW_COMBO, 7, 5, 49, 114),
    combo(IDC_COLUMN_COMBO, 7, 23, 49, 114),
    check(IDC_AUTOFIT, L"Autofit", 62, 7, 34, 10),
    check(IDC_SHOW_LABEL_CHECK, L"Label", 62, 25, 34, 10),
    check(IDC_SHOW_SENSOR_CHECK, L"Sensor", 102, 7, 34, 10),
    check(IDC_RADIOLOGY, L"Radiology... ", 102, 25, 34, 10),
    ctext(L"SelectB", 154, 7, 26, 8),
    edit(IDC_SELECT_BEGIN, 187, 7, 37, 14),
    ctext(L"SelectE", 154, 25, 29, 8),
    edit(IDC_SELECT_END, 186, 25, 37, 14),
    ctext(L"Time Scale", 226, 10, 38, 8),
    edit(IDC_TIME_SCALE, 268, 7, 37, 14),
    updown(IDC_TIME_SCALE_SPIN, 307, 7, 21, 14, UDS_HORZ),
    ctext(L"Amp Scale", 226, 27, 38, 8),
    edit(IDC_AMP_SCALE, 268, 25, 37, 14),
    updown(IDC_AMP_SCALE_SPIN, 308, 25, 21, 14, 0),
    label(L"Sns Size", 332, 10, 29, 8),
    edit(IDC_SENSOR_SIZE, 363, 8, 37, 14),
    push(IDC_RESET, L"Reset", 405, 7, 36, 14),
    push(IDC_PLAY, L"Play", 405, 24, 38, 14),
    push(IDC_APPLY, L"Apply", 444, 7, 38, 14),
    push(IDC_UPDATE, L"Update", 444, 24, 38, 14),
    view(IDC_MAP_VIEW, 5, 41, 484, 347),
};

// ---- contour map dialogs (MEG and EEG share the layout) ------------------------------------------------

constexpr DialogItem kContour[] = {
    combo(IDC_ROW_COMBO, 7, 5, 49, 114),
    combo(IDC_COLUMN_COMBO, 7, 20, 49, 114),
    combo(IDC_COLOR_SCALE, 7, 35, 49, 114),
    group(L"Type", 58, 3, 41, 52),
    radio(IDC_TYPE_FIELD, L"Field", 64, 14, 31, 10, WS_GROUP | WS_TABSTOP),
    radio(IDC_TYPE_LINE, L"Line", 64, 27, 29, 10),
    radio(IDC_TYPE_BOTH, L"Both", 64, 40, 30, 10),
    check(IDC_AUTOFIT, L"Autofit", 102, 7, 34, 10, WS_GROUP),  // ends the display type group
    check(IDC_SHOW_LABEL_CHECK, L"Label", 102, 18, 34, 10),
    check(IDC_RADIOLOGY, L"Radiology... ", 102, 29, 34, 10),
    check(IDC_SHOW_SENSOR_CHECK, L"Sensor", 102, 40, 34, 10),
    label(L"Maximum", 156, 10, 38, 8),
    edit(IDC_FIELD_MAXIMUM, 199, 6, 37, 14),
    label(L"Threshold", 156, 24, 38, 8),
    edit(IDC_CONTOUR_THRESHOLD, 199, 21, 37, 14),
    label(L"Levels", 156, 38, 38, 8),
    edit(IDC_CONTOUR_LEVELS, 199, 36, 37, 14),
    label(L"Sns Size", 243, 10, 29, 8),
    edit(IDC_SENSOR_SIZE, 276, 6, 37, 14),
    label(L"SelectB", 242, 24, 26, 8),
    edit(IDC_SELECT_BEGIN, 276, 21, 37, 14),
    label(L"SelectE", 242, 38, 29, 8),
    edit(IDC_SELECT_END, 276, 36, 37, 14),
    push(IDC_PLAY, L"Animate", 323, 6, 38, 14),
    label(L"0 ms", 316, 24, 43, 8, IDC_LATENCY_BEGIN),
    label(L"1 ms", 315, 38, 43, 8, IDC_LATENCY_END),
    push(IDC_RESET, L"Reset", 375, 6, 36, 14),
    push(IDC_UPDATE, L"Update", 375, 22, 38, 14),
    push(IDC_APPLY, L"Apply", 375, 38, 38, 14),
    view(IDC_MAP_VIEW, 5, 59, 413, 331),
};

// ---- standard display parameters dialog ------------------------------------------------------------------

constexpr DialogItem kStdSet[] = {
    check(IDC_POLARITY_VIEW, L"Polarity View", 20, 15, 82, 10),
    combo(IDC_CLASS_COMBO, 116, 13, 82, 42),
    ctext(L"Select Min", 13, 39, 310, 8, IDC_SELECT_MIN_TEXT),
    hscroll(IDC_SELECT_MIN_BAR, 7, 53, 316, 11),
    ctext(L"Select Max", 13, 72, 310, 8, IDC_SELECT_MAX_TEXT),
    hscroll(IDC_SELECT_MAX_BAR, 7, 83, 316, 11),
    group(L"Color Scale", 7, 110, 316, 25, BS_CENTER),
    radio(IDC_SCALE_1, L"1", 18, 121, 38, 10, WS_GROUP | WS_TABSTOP),
    radio(IDC_SCALE_2, L"2", 69, 121, 38, 10),
    radio(IDC_SCALE_256, L"256", 120, 121, 38, 10),
    radio(IDC_SCALE_512, L"512", 171, 121, 38, 10),
    radio(IDC_SCALE_768, L"768", 222, 121, 38, 10),
    radio(IDC_SCALE_1024, L"1024", 273, 121, 38, 10),
    push(IDC_STDSET_REFRESH, L"Refresh", 86, 157, 49, 14, WS_GROUP),  // ends the colour scale group
    push(IDC_STDSET_UPDATE, L"Update", 145, 157, 49, 14),
    push(IDC_STDSET_APPLY, L"Apply", 204, 157, 49, 14),
    defpush(IDOK, L"Exit", 263, 157, 50, 14),
};

// ---- viewers -----------------------------------------------------------------------------------------------

constexpr DialogItem kRowColumn[] = {
    view(IDC_RC_VIEW, 7, 27, 839, 276),
    combo(IDC_RC_CLASS, 7, 6, 69, 114),
    combo(IDC_RC_TRIAL, 80, 6, 71, 114),
    combo(IDC_ROW_COMBO, 155, 6, 71, 114),
    combo(IDC_RC_COLUMN, 230, 6, 71, 114),
    combo(IDC_RC_LAYOUT, 305, 6, 71, 114),
    combo(IDC_RC_TYPE, 380, 6, 71, 114),
    combo(IDC_RC_CHANNEL_TYPE, 455, 6, 71, 114),
    label(L"Start ID", 539, 10, 30, 8),
    edit(IDC_SAMPLE_BEGIN, 575, 6, 58, 15),
    updown(IDC_TIME_SCALE_SPIN, 636, 6, 21, 14, UDS_HORZ),
    edit(IDC_TIME_SCALE, 660, 6, 58, 15),
    updown(IDC_AMP_SCALE_SPIN, 722, 7, 19, 15, 0),
    edit(IDC_AMP_SCALE, 743, 6, 58, 15),
    push(IDC_REFRESH, L"Refresh", 806, 6, 40, 14),
};

constexpr DialogItem kMatrix[] = {
    view(IDC_MATRIX_VIEW, 102, 6, 487, 307, WS_BORDER),
    combo(IDC_MATRIX_CHANNEL_TYPE, 7, 6, 69, 114),
    label(L"Pixel Width", 7, 31, 38, 8),
    edit(IDC_PIXEL_WIDTH, 53, 27, 40, 15),
    label(L"Pixel Height", 7, 50, 38, 8),
    edit(IDC_PIXEL_HEIGHT, 53, 46, 40, 15),
    label(L"Select B", 7, 69, 39, 8),
    edit(IDC_SAMPLE_BEGIN, 53, 65, 40, 15),
    label(L"Select E", 7, 87, 39, 8),
    edit(IDC_SAMPLE_END, 53, 84, 40, 15),
    updown(IDC_ORIGIN_X_SPIN, 7, 104, 21, 14, UDS_HORZ | UDS_ARROWKEYS),
    edit(IDC_ORIGIN_X, 35, 103, 58, 15),
    updown(IDC_ORIGIN_Y_SPIN, 7, 124, 20, 15, UDS_ARROWKEYS),
    edit(IDC_ORIGIN_Y, 35, 122, 58, 15),
    check(IDC_MATRIX_SHOW_LABEL, L"Show Label", 9, 145, 75, 10),
    push(IDC_COLOR_SELECT, L"Color Select", 7, 158, 40, 14),
    push(IDC_COLOR_ALL, L"Color All", 55, 158, 40, 14),
    push(IDC_POSITION_M, L"Position M", 7, 177, 40, 14),
    push(IDC_MATRIX_PLAY, L"Start...", 54, 177, 40, 14),
    push(IDC_MATRIX_UPDATE, L"Update", 7, 195, 40, 14),
    push(IDC_REFRESH, L"Refresh", 54, 195, 40, 14),
};

template <size_t N>
constexpr int countOf(const DialogItem (&)[N])
{
    return static_cast<int>(N);
}

// ---- menu ----------------------------------------------------------------------------------------------------

constexpr MenuEntry kEditMenu[] = {
    {MF_STRING, ID_EDIT_NORMALIZE_RMS, L"Normalize (RMS)", nullptr, 0},
    {MF_STRING, ID_EDIT_CHECK_DATA_RANGE, L"Check Data Range", nullptr, 0},
    {MF_SEPARATOR, 0, nullptr, nullptr, 0},
    {MF_STRING, ID_EDIT_SETUP_BLACK_PEN, L"Setup Black Pen", nullptr, 0},
    {MF_STRING, ID_EDIT_SETUP_RED_PEN, L"Setup Red Pen", nullptr, 0},
    {MF_STRING, ID_EDIT_SETUP_BLUE_PEN, L"Setup Blue Pen", nullptr, 0},
    {MF_SEPARATOR, 0, nullptr, nullptr, 0},
    {MF_STRING, ID_EDIT_GT_THRESHOLD, L"Graph Theory (Small World) Threshold", nullptr, 0},
    {MF_STRING, ID_EDIT_GT_PRECISE, L"Graph Theory (Small World) Precise", nullptr, 0},
    {MF_SEPARATOR, 0, nullptr, nullptr, 0},
    {MF_STRING, ID_EDIT_GT_ACTIVE_ONLY, L"Graph Theory for Active Channel Only", nullptr, 0},
};

constexpr MenuEntry kViewMenu[] = {
    {MF_STRING, ID_VIEW_REFRESH, L"Refresh", nullptr, 0},
    {MF_SEPARATOR, 0, nullptr, nullptr, 0},
    {MF_STRING, ID_VIEW_SHOW_INFORMATION, L"Show Information", nullptr, 0},
};

constexpr MenuEntry kMapMenuBar[] = {
    {MF_POPUP, 0, L"Edit", kEditMenu, static_cast<int>(sizeof kEditMenu / sizeof kEditMenu[0])},
    {MF_POPUP, 0, L"View", kViewMenu, static_cast<int>(sizeof kViewMenu / sizeof kViewMenu[0])},
};

}  // namespace

namespace cxc::resources::tables {

const DialogTemplate kDialogs[] = {
    {IDD_MEG_TOPLINK_2DMAP, kMapStyle, 450, 395, L"MEG Waveform CxC TopLink 2D Map", L"MS Sans Serif", 8,
     IDR_MENU_CXCMAP, kMegLink, countOf(kMegLink)},
    {IDD_EEG_TOPLINK_2DMAP, kMapStyle, 411, 394, L"EEG Waveform CxC TopLink 2D Map", L"MS Sans Serif", 8,
     IDR_MENU_CXCMAP, kEegLink, countOf(kEegLink)},
    {IDD_MEG_TOPWAVE_2DMAP, kMapStyle, 496, 395, L"MEG Waveform CxC RizoRizud 2D Map", L"MS Sans Serif", 8,
     IDR_MENU_CXCMAP, kTopWave, countOf(kTopWave)},
    {IDD_EEG_TOPWAVE_2DMAP, kMapStyle, 496, 395, L"EEG Waveform CxC RizoRizud 2D Map", L"MS Sans Serif", 8,
     IDR_MENU_CXCMAP, kTopWave, countOf(kTopWave)},
    {IDD_MEG_CONTOUR_2DMAP, kMapStyle, 425, 397, L"MEG Waveform CxC Contour Map 2D", L"MS Sans Serif", 8,
     IDR_MENU_CXCMAP, kContour, countOf(kContour)},
    {IDD_EEG_CONTOUR_2DMAP, kMapStyle, 425, 397, L"EEG Waveform CxC Contour Map 2D", L"MS Sans Serif", 8,
     IDR_MENU_CXCMAP, kContour, countOf(kContour)},
    {IDD_MEG_SHOW_STDSET, kFixedStyle, 330, 178, L"Standard Diplay Parameters for MEG Cxc Data", L"MS Shell Dlg", 8,
     0, kStdSet, countOf(kStdSet)},
    {IDD_CXC_ROWCOLUMN_VIEWER, kViewerStyle, 853, 322, L"CxC Row Column 2D Viewer", L"MS Shell Dlg", 8, 0,
     kRowColumn, countOf(kRowColumn)},
    {IDD_CXC_MATRIX_VIEWER, kViewerStyle, 596, 323, L"CxC Matrix 2D Viewer (MEG, EEG and Other data)",
     L"MS Shell Dlg", 8, 0, kMatrix, countOf(kMatrix)},
};
const int kDialogCount = static_cast<int>(sizeof kDialogs / sizeof kDialogs[0]);

const cxc::res::MenuTemplate kMenus[] = {
    {IDR_MENU_CXCMAP, kMapMenuBar, static_cast<int>(sizeof kMapMenuBar / sizeof kMapMenuBar[0])},
};
const int kMenuCount = static_cast<int>(sizeof kMenus / sizeof kMenus[0]);

}  // namespace cxc::resources::tables
