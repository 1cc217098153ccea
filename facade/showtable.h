// The 24 windows of the facade, one entry per show function in the facade's order: its name, the
// host menu that lists it and the menu item's caption, its kind and coupling class, the show
// function and the facade slot that keeps its dialog, the view control whose picture shows it, the
// button and timer of windows that play, and the host menu command that opens it. A window joins
// every host, test and fuzz target by one entry here.
#pragma once

#include <span>
#include <string_view>

#include "megshowccdata2dfaceqz.h"

namespace cxc {

using ShowFn = int (CMEGShowCCData2DFaceqz::*)(CArrayMEDataSetqz*, CWnd*);

enum class ShowMenu { Meg, Eeg, Viewers };
enum class ShowKind { Link, Patch, Contour, RowColumn, Matrix };

struct ShowEntry {
    const char* name;          // the show function; the rendered picture is <name>.png
    ShowMenu menu;
    const wchar_t* menuText;   // "Link Map (Active)"
    ShowKind kind;
    int cxcClass;              // 0 Active, 1 Control, 2 Act-Ctl
    ShowFn show;
    CDialog* CMEGShowCCData2DFaceqz::*slot;
    int viewId;                // the view control
    int playId;                // button that starts the play timer; 0: the window does not play
    UINT_PTR timerId;          // id of the play timer's WM_TIMER; 0: none
    UINT commandId;            // the host menu's command
};

// Host menu commands of the windows: kFirstShowCommand + position in the table.
inline constexpr UINT kFirstShowCommand = 40100;
inline constexpr UINT kLastShowCommand = kFirstShowCommand + 23;

AFX_EXT_API std::span<const ShowEntry> showTable();
// The entry of that show function; null for an unknown name.
AFX_EXT_API const ShowEntry* findShow(std::string_view name);
// The entry of a host menu command; null for other commands.
AFX_EXT_API const ShowEntry* findShowCommand(UINT commandId);

// The dialog the facade keeps for the entry; null before its first show.
inline CDialog* dialogOf(CMEGShowCCData2DFaceqz& facade, const ShowEntry& entry) { return facade.*entry.slot; }

}  // namespace cxc
