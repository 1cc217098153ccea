// The folder picker of MFC's common dialogs: the user chooses one folder in a modal dialog.
// Desktop: Qt's folder dialog. Headless there is no dialog: DoModal takes the answer scripted with
// cxc::harness::answerNextFolderPicker (once), or IDCANCEL when none was scripted.
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

// The file picker for opening one file: Qt's file dialog on a desktop, a scripted answer headless.
class CFileDialog {
public:
    struct OpenFileName {
        LPCTSTR lpstrTitle = nullptr;  // caption; null: "Open"
    };
    OpenFileName m_ofn;

    // Only opening is offered. `filter` in MFC's form: "FieldTrip files (*.mat)|*.mat||".
    CFileDialog(BOOL openFileDialog, LPCTSTR defaultExt = nullptr, LPCTSTR fileName = nullptr, DWORD flags = 0,
                LPCTSTR filter = nullptr, CWnd* parent = nullptr);
    virtual ~CFileDialog() = default;

    // IDOK with a file chosen, IDCANCEL otherwise.
    virtual INT_PTR DoModal();
    CString GetPathName() const { return path_; }

private:
    CWnd* parent_;
    CString filter_;
    CString path_;
};

namespace cxc::harness {
// The next headless file picker answers IDOK with this file; null clears a scripted answer.
void answerNextFilePicker(const wchar_t* file);
// The next headless folder picker answers IDOK with this folder; null clears a scripted answer.
void answerNextFolderPicker(const wchar_t* folder);
// How many folder pickers were opened (shown or answered) since the start.
int folderPickerCount();
}  // namespace cxc::harness
