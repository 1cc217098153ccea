// The resource tables of the module, defined in templates.cpp and icons.cpp.
#pragma once

#include "afxwin.h"

namespace cxc::resources::tables {

extern const cxc::res::DialogTemplate kDialogs[];
extern const int kDialogCount;
extern const cxc::res::MenuTemplate kMenus[];
extern const int kMenuCount;
extern const cxc::res::IconTemplate kIcons[];
extern const int kIconCount;

}  // namespace cxc::resources::tables
