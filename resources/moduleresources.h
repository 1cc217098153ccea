// The module's resources as tables: its nine dialog templates, the map dialogs' menu and two icons.
// Registering the tables makes a resource module; the module's start-up hands that module to
// AfxInitExtensionModule and joins the resource chain with a CDynLinkLibrary, after which
// CDialog::Create, CMenu::LoadMenu and LoadIcon find every id of resource.h.
#pragma once

#include "afxwin.h"

namespace cxc::resources {

// The tables themselves (static, alive for the whole process).
const cxc::res::ResourceTable& table();
// Registers the tables once; later calls return the same module handle.
HINSTANCE registerModule();
// For programs and tests that run without the module's start-up: joins the chain unless the
// module's templates are already found there. Returns false only when that fails.
bool joinResourceChain();

}  // namespace cxc::resources
