// Run-time classes, exceptions and message-map lookup.
#include <cwchar>

#include "cxcwnd.h"

// ---- run-time classes ------------------------------------------------------------------------

CRuntimeClass CObject::classCObject = {"CObject", static_cast<int>(sizeof(CObject)), nullptr, nullptr};

CRuntimeClass* CObject::GetRuntimeClass() const { return RUNTIME_CLASS(CObject); }

BOOL CObject::IsKindOf(const CRuntimeClass* cls) const
{
    const CRuntimeClass* mine = GetRuntimeClass();
    return mine && cls ? mine->IsDerivedFrom(cls) : FALSE;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const
{
    for (const CRuntimeClass* c = this; c; c = c->m_pBaseClass)
        if (c == base) return TRUE;
    return FALSE;
}

CObject* CRuntimeClass::CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }

// ---- exceptions --------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CUserException, CException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CException)

namespace {
BOOL copyMessage(const wchar_t* text, LPTSTR buffer, UINT maxChars)
{
    if (!buffer || maxChars == 0) return FALSE;
    std::wcsncpy(buffer, text, maxChars - 1);
    buffer[maxChars - 1] = L'\0';
    return TRUE;
}
}  // namespace

BOOL CException::GetErrorMessage(LPTSTR buffer, UINT maxChars, UINT* helpContext) const
{
    if (helpContext) *helpContext = 0;
    if (buffer && maxChars > 0) buffer[0] = L'\0';
    return FALSE;
}

int CException::ReportError(UINT type, LPCTSTR fallback) const
{
    wchar_t text[512];
    if (GetErrorMessage(text, 512)) return AfxMessageBox(text, type);
    return AfxMessageBox(fallback ? fallback : L"No error message is available.", type);
}

BOOL CNotSupportedException::GetErrorMessage(LPTSTR buffer, UINT maxChars, UINT* helpContext) const
{
    if (helpContext) *helpContext = 0;
    return copyMessage(L"An unsupported operation was attempted.", buffer, maxChars);
}

BOOL CMemoryException::GetErrorMessage(LPTSTR buffer, UINT maxChars, UINT* helpContext) const
{
    if (helpContext) *helpContext = 0;
    return copyMessage(L"Out of memory.", buffer, maxChars);
}

void AfxThrowUserException() { throw CUserException(); }
void AfxThrowNotSupportedException() { throw CNotSupportedException(); }
void AfxThrowMemoryException() { throw CMemoryException(); }

namespace cxc {
CException* currentException() noexcept
{
    static CException other;
    try {
        throw;
    } catch (CException& e) {
        return &e;
    } catch (...) {
        return &other;
    }
}
}  // namespace cxc

// ---- message maps ------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT message, UINT code, UINT id) const
{
    const bool control = message == WM_COMMAND || message == WM_NOTIFY;
    for (const AFX_MSGMAP* map = GetMessageMap(); map;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e && e->pfn; ++e) {
            if (e->nMessage != message) continue;
            if (!control) return e;
            if (e->nCode == code && id >= e->nID && id <= e->nLastID) return e;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::DispatchToMap(UINT message, UINT code, UINT id, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const AFX_MSGMAP_ENTRY* e = FindMessageEntry(message, code, id);
    if (!e) return FALSE;
    LRESULT scratch = 0;
    e->pfn(this, wParam, lParam, result ? result : &scratch);
    return TRUE;
}
