// The controls of the dialogs: thin classes over the control messages, as in MFC; each window
// kind's default handling implements them. Builds on CWnd (cxcwnd.h).
#pragma once

#include "cxcwnd.h"

// A static control. Without SS_NOTIFY it is transparent to the mouse: clicks reach its parent at
// the same screen point, so a view's clicks arrive at its dialog.
class CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
public:
    CStatic() = default;
    BOOL Create(LPCTSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id = 0xffff);
    using CWnd::Create;
};

// Push button, auto check box, auto radio button or group box.
class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
public:
    CButton() = default;
    BOOL Create(LPCTSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    using CWnd::Create;
    int GetCheck() const;
    void SetCheck(int check);  // never notifies
    UINT GetButtonStyle() const;
};

// Single-line edit. Its parent hears EN_CHANGE whenever the text really changes.
class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit() = default;
    void SetSel(int start, int end, BOOL noScroll = FALSE);
};

// Drop-down combo box; items are kept in the order they were added.
class CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)
public:
    CComboBox() = default;
    int AddString(LPCTSTR text);              // index of the new item
    int InsertString(int index, LPCTSTR text);  // -1 appends
    int DeleteString(UINT index);             // items left, or CB_ERR
    void ResetContent();
    // Selects the item and shows its text without notifying; an index outside the list clears the
    // selection and returns CB_ERR.
    int SetCurSel(int index);
    int GetCurSel() const;  // CB_ERR when nothing is selected
    int GetCount() const;
    int GetLBText(int index, LPTSTR buffer) const;  // length, or CB_ERR
    void GetLBText(int index, CString& text) const;
    int GetLBTextLen(int index) const;
    int FindStringExact(int startAfter, LPCTSTR text) const;
};

// Scroll bar control. Windows' rules: the position stays within [nMin, nMax - max(nPage - 1, 0)]
// while GetScrollRange still reports nMax; the bar never moves itself, its parent sets it.
class CScrollBar : public CWnd {
    DECLARE_DYNAMIC(CScrollBar)
public:
    CScrollBar() = default;
    BOOL SetScrollInfo(LPSCROLLINFO info, BOOL redraw = TRUE);
    BOOL GetScrollInfo(LPSCROLLINFO info, UINT mask = SIF_ALL) const;
    void GetScrollRange(int* minPos, int* maxPos) const;
    void SetScrollRange(int minPos, int maxPos, BOOL redraw = TRUE);
    int GetScrollPos() const;
    int SetScrollPos(int pos, BOOL redraw = TRUE);  // returns the previous position
    int GetScrollLimit() const;
    // The scroll bar object of a WM_HSCROLL/WM_VSCROLL sender; null when the sender is not a
    // scroll bar (an up-down control, or a window's own bar).
    static CScrollBar* FromHandleScroll(HWND hwnd);
};

// Up-down control. Without a buddy it only reports arrow clicks: UDN_DELTAPOS with iDelta -1 for
// the up or right arrow and +1 for the down or left arrow (the default range runs from 100 down to
// 0); the position moves only when the parent answers 0.
class CSpinButtonCtrl : public CWnd {
    DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
    CSpinButtonCtrl() = default;
    void SetRange32(int lower, int upper);
    void GetRange32(int& lower, int& upper) const;
    int SetPos32(int pos);  // returns the previous position
    int GetPos32() const;
};
