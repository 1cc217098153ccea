// Paint contexts of windows: CPaintDC (BeginPaint/EndPaint) and CClientDC, device contexts that draw
// on a window's client surface. Builds on CDC (cxcgdi.h) and the windows of cxcwnd.h.
#pragma once

#include <memory>

#include "cxcgdi.h"

class CWnd;

// BeginPaint/EndPaint: draws on the window's client surface. Construction erases the update region
// with the window's background (face colour 0xF0F0F0) when an erase was asked for (WM_ERASEBKGND
// first goes to the window) and validates the window; the whole client area stays drawable.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    PAINTSTRUCT m_ps{};

protected:
    HWND m_hWnd = nullptr;

private:
    std::shared_ptr<cxc::gdi::Surface> keep_;  // the surface outlives the DC even if the window goes
};

// Draws on the client surface outside WM_PAINT; does not validate.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;

protected:
    HWND m_hWnd = nullptr;

private:
    std::shared_ptr<cxc::gdi::Surface> keep_;
};
