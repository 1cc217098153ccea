// Modeless dialogs made from the templates of the resource chain, and MFC's data exchange between
// dialog members and controls. Builds on the windows and controls of cxcwnd.h.
//
// Data exchange follows MFC: loading writes a control's text only when it differs; saving parses
// the text and on failure shows MFC's message ("Please enter an integer.", "Please enter a
// number.", "Please enter an integer between 0 and 100.") and makes UpdateData return FALSE. As in
// MFC, the exchanges made before the failing one keep what they stored, a refused text leaves its
// member as it was, and a value refused by a DDV check after its DDX_Text stays stored: the dialogs'
// handlers rely on it. Any other exception thrown by DoDataExchange passes through UpdateData unchanged.
#pragma once

#include "cxcwnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate);

    BOOL m_bSaveAndValidate;      // TRUE: controls to members
    CWnd* m_pDlgWnd;              // the dialog
    UINT m_idLastControl = 0;     // the control of the last exchange (focus goes there on failure)
    BOOL m_bEditLastControl = FALSE;

    // The control of that id, ready for an exchange; throws CNotSupportedException when the dialog
    // has no such control.
    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);
    // Gives the offending control the focus and throws CUserException.
    [[noreturn]] void Fail();
};

// Binds a member object to the control of that id on the first exchange: the object becomes that
// window and receives its messages.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
// "%d" out; in: optional blanks, a sign, digits, optional blanks, and the value must fit.
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, UINT& value);
// "%I64d" out; the same rules in.
void DDX_Text(CDataExchange* dx, int id, long long& value);
void DDX_Text(CDataExchange* dx, int id, long& value);
// "%.15g" out (0.005 shows "0.005", 50.0 shows "50"); in: a finite number with optional blanks
// around it. As in MFC a text that reads as 0 must start with '0' ("-0" and ".0" fail).
void DDX_Text(CDataExchange* dx, int id, double& value);
void DDX_Text(CDataExchange* dx, int id, CString& value);
// BST_UNCHECKED / BST_CHECKED; loading a value outside 0..2 shows and stores 0, as MFC does.
void DDX_Check(CDataExchange* dx, int id, int& value);
// Index among the auto radio buttons that follow `id` in template order up to the next control
// with WS_GROUP; -1 when none is checked.
void DDX_Radio(CDataExchange* dx, int id, int& value);
// Selection index of a combo box (CB_ERR when none).
void DDX_CBIndex(CDataExchange* dx, int id, int& index);
// Saving only: "Please enter an integer between lo and hi."
void DDV_MinMaxInt(CDataExchange* dx, int value, int minVal, int maxVal);
void DDV_MinMaxLongLong(CDataExchange* dx, long long value, long long minVal, long long maxVal);
// Saving only: "Please enter a number between lo and hi."
void DDV_MinMaxDouble(CDataExchange* dx, double const& value, double minVal, double maxVal);

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog() = default;
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Makes the dialog and its controls from the template of that id found in the resource chain:
    // WM_SIZE, then WM_INITDIALOG (OnInitDialog). The dialog stays hidden until ShowWindow unless
    // the template has WS_VISIBLE. FALSE when there is no such template or OnInitDialog failed.
    virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);
    using CWnd::Create;

    // Loads the controls (UpdateData(FALSE)); returns TRUE.
    virtual BOOL OnInitDialog();
    // UpdateData(TRUE), then hides the dialog; a failed validation keeps it open.
    virtual void OnOK();
    // Hides the dialog.
    virtual void OnCancel();
    void EndDialog(int result);
    // Dialog units to pixels with the fixed base units of the templates.
    void MapDialogRect(LPRECT rect) const;

    UINT m_nIDHelp = 0;
    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;
    int m_nModalResult = -1;

protected:
    afx_msg LRESULT HandleInitDialog(WPARAM, LPARAM);
    afx_msg void OnOKCommand() { OnOK(); }
    afx_msg void OnCancelCommand() { OnCancel(); }

    DECLARE_MESSAGE_MAP()
};

// The same dialog with MFC's newer base class; no behaviour of its own is used.
class CDialogEx : public CDialog {
    DECLARE_DYNAMIC(CDialogEx)
public:
    CDialogEx() = default;
    explicit CDialogEx(UINT templateId, CWnd* parent = nullptr) : CDialog(templateId, parent) {}
};
