// The module's resource module and its place in the resource chain.
#include "moduleresources.h"

#include "resource.h"
#include "tables.h"

namespace cxc::resources {

const cxc::res::ResourceTable& table()
{
    static const cxc::res::ResourceTable t = {
        L"cxcmap2d",       tables::kDialogs, tables::kDialogCount, tables::kMenus,
        tables::kMenuCount, tables::kIcons,  tables::kIconCount,
    };
    return t;
}

HINSTANCE registerModule() { return cxc::res::registerModule(&table()); }

bool joinResourceChain()
{
    if (AfxFindResourceHandle(MAKEINTRESOURCE(IDD_MEG_TOPLINK_2DMAP), RT_DIALOG) == registerModule()) return true;
    static AFX_EXTENSION_MODULE module;
    if (!AfxInitExtensionModule(module, registerModule())) return false;
    new CDynLinkLibrary(module);  // stays in the chain for the life of the process
    return true;
}

}  // namespace cxc::resources
