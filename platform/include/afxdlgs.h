// The folder picker and the file dialog (open or save-as) of MFC's common dialogs: the user chooses one
// folder, or one file name, in a modal dialog. Desktop: Qt's dialogs. Headless there is no dialog: DoModal
// takes the answer scripted with cxc::harness::answerNextFolderPicker or answerNextFileDialog (once),
// or IDCANCEL when none was scripted.
#pragma once

#include "afxwin.h"

class CFolderPickerDialog {
public:
    // The parts of MFC's OPENFILENAME a folder picker reads.
    struct OpenFileName {
        LPCTSTR lpstrTitle = nullptr;       // caption; null: "Select Folder"
        LPCTSTR lpstrInitialDir = nullptr;  // where the dialog starts (also the constructor's folder)
    };
    OpenFileName m_ofn;

    explicit CFolderPickerDialog(LPCTSTR folder = nullptr, DWORD flags = 0, CWnd* parent = nullptr,
                                 DWORD size = 0, BOOL nonFileSystemFolders = FALSE);
    virtual ~CFolderPickerDialog() = default;

    // IDOK with a folder chosen, IDCANCEL otherwise.
    virtual INT_PTR DoModal();
    CString GetPathName() const { return path_; }
    CString GetFolderPath() const { return path_; }

private:
    CWnd* parent_;
    CString initial_;
    CString path_;
};

#ifndef OFN_OVERWRITEPROMPT
#define OFN_OVERWRITEPROMPT 0x00000002
#define OFN_HIDEREADONLY 0x00000004
#endif

// Open (bOpenFileDialog TRUE) or save-as. The filter is MFC's "Name (*.ext)|*.ext|...||"; a name
// chosen for saving without an extension gets lpszDefExt.
class CFileDialog {
public:
    struct OpenFileName {
        LPCTSTR lpstrTitle = nullptr;  // caption; null: "Open" or "Save As"
    };
    OpenFileName m_ofn;

    explicit CFileDialog(BOOL openFileDialog, LPCTSTR defExt = nullptr, LPCTSTR fileName = nullptr,
                         DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR filter = nullptr,
                         CWnd* parent = nullptr);
    virtual ~CFileDialog() = default;

    // IDOK with a file chosen, IDCANCEL otherwise.
    virtual INT_PTR DoModal();
    CString GetPathName() const { return path_; }

private:
    CWnd* parent_;
    bool open_;
    CString defExt_;
    CString fileName_;
    CString filter_;
    CString path_;
};

namespace cxc::harness {
// The next headless file dialog (open or save-as) answers IDOK with this name; null clears a scripted
// answer.
void answerNextFileDialog(const wchar_t* path);
// The next headless folder picker answers IDOK with this folder; null clears a scripted answer.
void answerNextFolderPicker(const wchar_t* folder);
// How many folder pickers were opened (shown or answered) since the start.
int folderPickerCount();
}  // namespace cxc::harness
