// The module's start-up and end: its resources are found through the chain only while started.
#include <gtest/gtest.h>

#include "afxwin.h"
#include "cxcmodule.h"
#include "moduleresources.h"
#include "resource.h"

namespace {

bool templatesFound()
{
    const HINSTANCE module = cxc::resources::registerModule();
    for (int id : {IDD_MEG_TOPLINK_2DMAP, IDD_CXC_ROWCOLUMN_VIEWER, IDD_CXC_MATRIX_VIEWER, IDD_MEG_SHOW_STDSET})
        if (AfxFindResourceHandle(MAKEINTRESOURCE(id), RT_DIALOG) != module) return false;
    return AfxFindResourceHandle(MAKEINTRESOURCE(IDR_MENU_CXCMAP), RT_MENU) == module &&
           AfxFindResourceHandle(MAKEINTRESOURCE(IDI_ICON_CXCMAP), RT_GROUP_ICON) == module;
}

}  // namespace

TEST(FacadeModule, StartedWhenLoadedAndTemplatesFound)
{
    // The objects' static initialiser has run before main, as the shared library's does on load.
    EXPECT_EQ(cxcmapModuleStarted(), 1);
    EXPECT_EQ(cxcmapModuleInit(), 1);  // again: nothing changes
    EXPECT_TRUE(templatesFound());
}

TEST(FacadeModule, EndedModuleLeavesTheChainAndCanStartAgainAnUnknownOneCannot)
{
    cxcmapModuleTerm();
    EXPECT_EQ(cxcmapModuleStarted(), 0);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(IDD_MEG_TOPLINK_2DMAP), RT_DIALOG), nullptr);
    CDialog dlg;
    EXPECT_FALSE(dlg.Create(IDD_CXC_MATRIX_VIEWER));  // templates resolve only through the chain
    cxcmapModuleTerm();  // twice is harmless
    EXPECT_EQ(cxcmapModuleInit(), 1);
    EXPECT_TRUE(templatesFound());
    EXPECT_EQ(cxcmapDllMain(nullptr, DLL_PROCESS_ATTACH, nullptr), TRUE);  // started: nothing to do
    // An unknown module cannot start.
    cxcmapModuleTerm();
    EXPECT_EQ(cxcmapDllMain(nullptr, DLL_PROCESS_ATTACH, nullptr), FALSE);
    EXPECT_EQ(cxcmapModuleStarted(), 0);
    EXPECT_EQ(cxcmapModuleInit(), 1);
}

