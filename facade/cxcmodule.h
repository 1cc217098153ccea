// Start-up of the module: it registers itself as an extension module and joins the resource chain, so
// that its dialog templates, menu and icons are found by id; at its end it leaves the chain.
//
// As a shared library (libcxcmap2d.so) the module starts by itself: a static initialiser runs its
// start-up when the library is loaded (before dlopen returns, or before main for a program linked
// against it), and a static finaliser ends it when the library is unloaded.
//
// A program that links the module's objects statically gets the same initialiser and finaliser, so it
// starts the module before main as well; such a program may also call cxcmapModuleInit() itself, at any
// time before it opens a window (for instance in a test's set-up, or after cxcmapModuleTerm()).
#pragma once

#include "afxwin.h"

// The module's DllMain: DLL_PROCESS_ATTACH starts it (FALSE when the extension module cannot be
// initialised), DLL_PROCESS_DETACH ends it. Other reasons do nothing and give TRUE.
AFX_EXT_API BOOL cxcmapDllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

// Starts the module unless it has started (1 when it runs afterwards, 0 when it cannot start).
AFX_EXT_API int cxcmapModuleInit();
// Ends the module: it leaves the resource chain. Harmless when it has not started.
AFX_EXT_API void cxcmapModuleTerm();
// 1 while the module has started and not ended.
AFX_EXT_API int cxcmapModuleStarted();
