// The 24 windows a host opens through the facade, one entry per show function: its name (which is
// also the name of its picture), the host menu that lists it, its coupling class, the facade slot
// that keeps its dialog, and what the headless renderer needs to drive it (the view control, and the
// button and timer of windows that play). A window joins the host by one entry here.
#pragma once

#include <span>
#include <string_view>

#include "cxcmap2d.h"

class CArrayMEDataSetqz;

namespace cxc::app {

using Facade = CMEGShowCCData2DFaceqz;
using ShowFn = int (Facade::*)(CArrayMEDataSetqz*, CWnd*);

enum class HostMenu { Meg, Eeg, Viewers };

struct ShowEntry {
    const char* name;          // the show function; the rendered picture is <name>.png
    HostMenu menu;
    const wchar_t* menuText;   // "Link Map (Active)"
    int cxcClass;              // 0 Active, 1 Control, 2 Act-Ctl
    ShowFn show;               // null while the module does not offer this window
    CDialog* Facade::*slot;    // where the facade keeps the window's dialog
    int viewId;                // control whose picture a view-only render writes
    int playId;                // button that starts the play timer; 0: the window does not play
    UINT_PTR timerId;          // id of the play timer's WM_TIMER
    UINT commandId;            // the host menu's command
};

// Host menu commands of the windows: kFirstShowCommand + position in the table.
inline constexpr UINT kFirstShowCommand = 40100;
inline constexpr UINT kLastShowCommand = kFirstShowCommand + 23;

std::span<const ShowEntry> showTable();
// The entry of that show function; null for an unknown name.
const ShowEntry* findShow(std::string_view name);
// The entry of a host menu command; null for other commands.
const ShowEntry* findCommand(UINT commandId);
// The dialog the facade keeps for the entry; null before its first show.
CDialog* dialogOf(Facade& facade, const ShowEntry& entry);

}  // namespace cxc::app
