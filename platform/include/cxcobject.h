// Run-time classes, exceptions and message maps: the object half of the window layer, on top of the
// base Windows types. A message map is a table of captureless functions, each of which calls its
// handler on the class that declared the entry, so no member-function pointer is ever converted;
// lookup walks the most derived map first, then the maps of its bases.
#pragma once

#include "afxstr.h"
#include "windows.h"

class CObject;
class CCmdTarget;

// ---- run-time classes ------------------------------------------------------------------------

struct CRuntimeClass {
    const char* m_lpszClassName;
    int m_nObjectSize;
    CRuntimeClass* m_pBaseClass;          // null for CObject
    CObject* (*m_pfnCreateObject)();      // null unless the class is dynamically creatable

    BOOL IsDerivedFrom(const CRuntimeClass* base) const;
    CObject* CreateObject() const;        // null when the class is not creatable
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                 \
public:                                             \
    static CRuntimeClass class##class_name;         \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name)       \
    static CObject* CreateObject();

#define IMPLEMENT_RUNTIMECLASS_(class_name, base_class_name, create)                                  \
    CRuntimeClass class_name::class##class_name = {#class_name, static_cast<int>(sizeof(class_name)), \
                                                   RUNTIME_CLASS(base_class_name), create};           \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS_(class_name, base_class_name, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)             \
    CObject* class_name::CreateObject() { return new class_name; }   \
    IMPLEMENT_RUNTIMECLASS_(class_name, base_class_name, &class_name::CreateObject)

class CObject {
public:
    virtual ~CObject() = default;
    virtual CRuntimeClass* GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass* cls) const;

    static CRuntimeClass classCObject;

protected:
    CObject() = default;
    // Derived classes may copy themselves; a bare CObject is never copied.
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

// ---- exceptions --------------------------------------------------------------------------------
// Thrown by value, so `catch (...)` and the TRY/CATCH macros below free them alike. Delete() is kept
// for code written for heap-allocated exceptions and does nothing.

class CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    CException() = default;
    void Delete() {}
    // The text a user would see for this exception; FALSE when there is none.
    virtual BOOL GetErrorMessage(LPTSTR buffer, UINT maxChars, UINT* helpContext = nullptr) const;
    // Shows the text in a message box (or `fallback` when there is none) and returns the answer.
    virtual int ReportError(UINT type = MB_OK, LPCTSTR fallback = nullptr) const;
};

// A validation failure the user has already been told about (data exchange).
class CUserException : public CException {
    DECLARE_DYNAMIC(CUserException)
};

class CNotSupportedException : public CException {
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    BOOL GetErrorMessage(LPTSTR buffer, UINT maxChars, UINT* helpContext = nullptr) const override;
};

class CMemoryException : public CException {
    DECLARE_DYNAMIC(CMemoryException)
public:
    BOOL GetErrorMessage(LPTSTR buffer, UINT maxChars, UINT* helpContext = nullptr) const override;
};

[[noreturn]] void AfxThrowUserException();
[[noreturn]] void AfxThrowNotSupportedException();
[[noreturn]] void AfxThrowMemoryException();

namespace cxc {
// Inside a catch handler: the CException being handled, or a plain CException standing in for any
// other C++ exception. Never null.
CException* currentException() noexcept;
}  // namespace cxc

// MFC's exception macros over C++ try/catch:  TRY { ... } CATCH_ALL(e) { ... } END_CATCH_ALL
#define TRY try
#define CATCH(class_name, e) catch (class_name & e##_caught) { class_name* e = &e##_caught; (void)e;
#define AND_CATCH(class_name, e) } catch (class_name & e##_caught) { class_name* e = &e##_caught; (void)e;
#define END_CATCH }
#define CATCH_ALL(e) catch (...) { CException* e = cxc::currentException(); (void)e;
#define AND_CATCH_ALL(e) } catch (...) { CException* e = cxc::currentException(); (void)e;
#define END_CATCH_ALL }

// ---- message maps ------------------------------------------------------------------------------

// Calls one handler: the entry's function casts the target to the class that declared the entry.
typedef void (*AFX_PMSG)(CCmdTarget* target, WPARAM wParam, LPARAM lParam, LRESULT* result);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;   // WM_*, or WM_COMMAND / WM_NOTIFY for control and menu entries
    UINT nCode;      // notification code (BN_CLICKED, EN_CHANGE, UDN_DELTAPOS ...) of those
    UINT nID;        // first control or command id
    UINT nLastID;    // last id of a range (nID for a single id)
    AFX_PMSG pfn;    // null ends the table
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();  // null for the root map
    const AFX_MSGMAP_ENTRY* lpEntries;
};

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;

    // The entry that handles a message, searching this class's map and then its bases'; null when
    // none does. For WM_COMMAND and WM_NOTIFY, `code` and `id` select the entry; otherwise they are
    // ignored.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message, UINT code, UINT id) const;
    // Runs the handler of a message if the map has one; FALSE when it has none.
    BOOL DispatchToMap(UINT message, UINT code, UINT id, WPARAM wParam, LPARAM lParam, LRESULT* result);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

#define DECLARE_MESSAGE_MAP()                          \
protected:                                             \
    static const AFX_MSGMAP* GetThisMessageMap();      \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                   \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                              \
    {                                                                            \
        using ThisClass [[maybe_unused]] = theClass;                             \
        using TheBaseClass [[maybe_unused]] = baseClass;                         \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                      \
        {0, 0, 0, 0, nullptr}};                                                                \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
        return &messageMap;                                                                    \
    }

// Entry helpers. `p` is the target; the cast goes to the class that wrote the entry.
#define CXC_MSG_ENTRY_(msg, code, id, lastId, body) \
    {(msg), static_cast<UINT>(code), static_cast<UINT>(id), static_cast<UINT>(lastId), \
     [](CCmdTarget* p, WPARAM wParam, LPARAM lParam, LRESULT* pResult) { \
         (void)wParam; (void)lParam; (void)pResult; ThisClass* self = static_cast<ThisClass*>(p); body; }},

#define CXC_POINT_FROM_LPARAM_(l) CPoint(static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l)))

#define ON_WM_PAINT() CXC_MSG_ENTRY_(WM_PAINT, 0, 0, 0, self->OnPaint())
#define ON_WM_ERASEBKGND() \
    CXC_MSG_ENTRY_(WM_ERASEBKGND, 0, 0, 0, *pResult = self->OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(wParam))))
#define ON_WM_TIMER() CXC_MSG_ENTRY_(WM_TIMER, 0, 0, 0, self->OnTimer(static_cast<UINT_PTR>(wParam)))
#define ON_WM_SIZE() \
    CXC_MSG_ENTRY_(WM_SIZE, 0, 0, 0, self->OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_LBUTTONDOWN() \
    CXC_MSG_ENTRY_(WM_LBUTTONDOWN, 0, 0, 0, self->OnLButtonDown(static_cast<UINT>(wParam), CXC_POINT_FROM_LPARAM_(lParam)))
#define ON_WM_LBUTTONUP() \
    CXC_MSG_ENTRY_(WM_LBUTTONUP, 0, 0, 0, self->OnLButtonUp(static_cast<UINT>(wParam), CXC_POINT_FROM_LPARAM_(lParam)))
#define ON_WM_MOUSEMOVE() \
    CXC_MSG_ENTRY_(WM_MOUSEMOVE, 0, 0, 0, self->OnMouseMove(static_cast<UINT>(wParam), CXC_POINT_FROM_LPARAM_(lParam)))
#define ON_WM_HSCROLL()                                                                       \
    CXC_MSG_ENTRY_(WM_HSCROLL, 0, 0, 0,                                                       \
                   self->OnHScroll(LOWORD(wParam), HIWORD(wParam),                            \
                                   CScrollBar::FromHandleScroll(reinterpret_cast<HWND>(lParam))))
#define ON_WM_VSCROLL()                                                                       \
    CXC_MSG_ENTRY_(WM_VSCROLL, 0, 0, 0,                                                       \
                   self->OnVScroll(LOWORD(wParam), HIWORD(wParam),                            \
                                   CScrollBar::FromHandleScroll(reinterpret_cast<HWND>(lParam))))
#define ON_WM_INITMENU() \
    CXC_MSG_ENTRY_(WM_INITMENU, 0, 0, 0, self->OnInitMenu(CMenu::FromHandle(reinterpret_cast<HMENU>(wParam))))
#define ON_WM_CLOSE() CXC_MSG_ENTRY_(WM_CLOSE, 0, 0, 0, self->OnClose())
#define ON_WM_DESTROY() CXC_MSG_ENTRY_(WM_DESTROY, 0, 0, 0, self->OnDestroy())

// LRESULT fn(WPARAM, LPARAM)
#define ON_MESSAGE(message, memberFxn) \
    CXC_MSG_ENTRY_(message, 0, 0, 0, *pResult = (self->*(memberFxn))(wParam, lParam))

// void fn(): menu commands and control notifications
#define ON_COMMAND(id, memberFxn) CXC_MSG_ENTRY_(WM_COMMAND, 0, id, id, (self->*(memberFxn))())
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    CXC_MSG_ENTRY_(WM_COMMAND, 0, id, idLast, (self->*(memberFxn))(static_cast<UINT>(LOWORD(wParam))))
#define ON_CONTROL(code, id, memberFxn) CXC_MSG_ENTRY_(WM_COMMAND, code, id, id, (self->*(memberFxn))())
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)

// void fn(NMHDR*, LRESULT*)
#define ON_NOTIFY(code, id, memberFxn) \
    CXC_MSG_ENTRY_(WM_NOTIFY, code, id, id, (self->*(memberFxn))(reinterpret_cast<NMHDR*>(lParam), pResult))
