#include "richinfo.h"

#include "cxcplatform.h"

// The desktop window: a frame with one static text of many lines ('&' shown as it is).
struct CRichInfoqz::Window {
    CWnd frame;
    CStatic text;
};

CRichInfoqz::CRichInfoqz() = default;

// A window still open when the program ends is left to the process: the toolkit under it is torn
// down before static objects like the module's information windows are destroyed.
CRichInfoqz::~CRichInfoqz() = default;

int CRichInfoqz::showRichInfo02(CString text, CString caption)
{
    lastText = text;
    lastCaption = caption;
    visible = true;
    ++showCount;
    if (cxc::platform::isHeadless()) return 1;
    if (window_ && !window_->frame.GetSafeHwnd()) {  // the user closed it: make it again
        delete window_;
        window_ = nullptr;
    }
    if (!window_) {
        window_ = new Window;
        const CRect frameRect(100, 100, 100 + 640, 100 + 360);
        if (!window_->frame.CreateEx(0, nullptr, caption, WS_OVERLAPPEDWINDOW, frameRect, nullptr, 0) ||
            !window_->text.Create(text, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, CRect(8, 8, 632, 352),
                                  &window_->frame, 1)) {
            delete window_;
            window_ = nullptr;
            return 1;
        }
    }
    window_->frame.SetWindowText(caption);
    window_->text.SetWindowText(text);
    window_->frame.ShowWindow(SW_SHOW);
    window_->frame.SetForegroundWindow();
    return 1;
}

void CRichInfoqz::close()
{
    visible = false;
    if (!window_) return;
    window_->frame.DestroyWindow();
    delete window_;
    window_ = nullptr;
}
