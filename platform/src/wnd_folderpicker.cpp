// The folder picker: Qt's folder dialog on a desktop, a scripted answer headless.
#include <QFileDialog>

#include <optional>

#include "afxdlgs.h"
#include "wnd_internal.h"

namespace {
std::optional<std::wstring> g_scripted;
int g_opened = 0;
}  // namespace

CFolderPickerDialog::CFolderPickerDialog(LPCTSTR folder, DWORD, CWnd* parent, DWORD, BOOL)
    : parent_(parent), initial_(folder)
{
    m_ofn.lpstrInitialDir = initial_.IsEmpty() ? nullptr : initial_.GetString();
}

INT_PTR CFolderPickerDialog::DoModal()
{
    ++g_opened;
    path_.Empty();
    if (cxc::wnd::headless() || !cxc::wnd::haveApplication()) {
        if (!g_scripted) return IDCANCEL;
        path_ = CString(*g_scripted);
        g_scripted.reset();
        return IDOK;
    }
    QWidget* owner = nullptr;
    if (parent_)
        if (cxc::wnd::Window* w = cxc::wnd::find(parent_->GetSafeHwnd())) owner = w->frame;
    const QString title = QString::fromWCharArray(m_ofn.lpstrTitle ? m_ofn.lpstrTitle : L"Select Folder");
    const QString start = m_ofn.lpstrInitialDir ? QString::fromWCharArray(m_ofn.lpstrInitialDir) : QString();
    const QString chosen = QFileDialog::getExistingDirectory(owner, title, start);
    if (chosen.isEmpty()) return IDCANCEL;
    path_ = CString(chosen.toStdWString());
    return IDOK;
}

namespace cxc::harness {
void answerNextFolderPicker(const wchar_t* folder)
{
    if (folder) g_scripted = std::wstring(folder);
    else g_scripted.reset();
}
int folderPickerCount() { return g_opened; }
}  // namespace cxc::harness
