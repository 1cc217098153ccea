#include "stdafx.h"

#include "cxcmodule.h"

#include "moduleresources.h"

namespace {

AFX_EXTENSION_MODULE moduleState;

// The Linux stand-ins for the loader's calls of DllMain.
__attribute__((constructor)) void onLoad() { cxcmapModuleInit(); }
__attribute__((destructor)) void onUnload() { cxcmapModuleTerm(); }

}  // namespace

BOOL cxcmapDllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        if (moduleState.bInitialized) return TRUE;
        if (!AfxInitExtensionModule(moduleState, instance)) return FALSE;
        new CDynLinkLibrary(moduleState);  // leaves the chain in AfxTermExtensionModule
    } else if (reason == DLL_PROCESS_DETACH) {
        if (moduleState.bInitialized) AfxTermExtensionModule(moduleState);
    }
    return TRUE;
}

int cxcmapModuleInit()
{
    return cxcmapDllMain(cxc::resources::registerModule(), DLL_PROCESS_ATTACH, nullptr) ? 1 : 0;
}

void cxcmapModuleTerm() { cxcmapDllMain(cxc::resources::registerModule(), DLL_PROCESS_DETACH, nullptr); }

int cxcmapModuleStarted() { return moduleState.bInitialized ? 1 : 0; }
