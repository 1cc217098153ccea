// The module's table of show functions, as the tests and the dialogs fuzz target walk it.
#pragma once

#include "resource.h"
#include "showtable.h"

namespace showtable {

using Face = CMEGShowCCData2DFaceqz;
using Kind = cxc::ShowKind;
using Show = cxc::ShowEntry;

inline const std::span<const Show> kShows = cxc::showTable();
inline const int kShowCount = static_cast<int>(kShows.size());

// 0 MEG, 1 EEG, -1 both (the viewers).
inline int modalityOf(const Show& w) { return w.menu == cxc::ShowMenu::Meg ? 0 : w.menu == cxc::ShowMenu::Eeg ? 1 : -1; }

}  // namespace showtable
