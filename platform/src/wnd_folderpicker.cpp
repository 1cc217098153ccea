// The folder picker and the file dialog: Qt's dialogs on a desktop, a scripted answer headless.
#include <QFileDialog>

#include <optional>

#include "afxdlgs.h"
#include "wnd_internal.h"

namespace {
std::optional<std::wstring> g_scripted;
std::optional<std::wstring> g_scriptedFile;
int g_opened = 0;

QWidget* ownerOf(CWnd* parent)
{
    cxc::wnd::Window* w = parent ? cxc::wnd::find(parent->GetSafeHwnd()) : nullptr;
    return w ? w->frame.data() : nullptr;
}
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
    QWidget* owner = ownerOf(parent_);
    const QString title = QString::fromWCharArray(m_ofn.lpstrTitle ? m_ofn.lpstrTitle : L"Select Folder");
    const QString start = m_ofn.lpstrInitialDir ? QString::fromWCharArray(m_ofn.lpstrInitialDir) : QString();
    const QString chosen = QFileDialog::getExistingDirectory(owner, title, start);
    if (chosen.isEmpty()) return IDCANCEL;
    path_ = CString(chosen.toStdWString());
    return IDOK;
}

CFileDialog::CFileDialog(BOOL openFileDialog, LPCTSTR defExt, LPCTSTR fileName, DWORD, LPCTSTR filter, CWnd* parent)
    : parent_(parent), open_(openFileDialog != FALSE), defExt_(defExt), fileName_(fileName), filter_(filter)
{
}

INT_PTR CFileDialog::DoModal()
{
    path_.Empty();
    std::wstring chosen;
    if (cxc::wnd::headless() || !cxc::wnd::haveApplication()) {
        if (!g_scriptedFile) return IDCANCEL;
        chosen = *g_scriptedFile;
        g_scriptedFile.reset();
    } else {
        // MFC's "Name|*.ext|...||" becomes Qt's "Name;;...": the names carry their patterns.
        QStringList names;
        const QStringList parts = QString::fromWCharArray(filter_.GetString()).split(QLatin1Char('|'));
        for (int i = 0; i + 1 < parts.size(); i += 2)
            if (!parts[i].isEmpty()) names << parts[i];
        const QString title = QString::fromWCharArray(m_ofn.lpstrTitle ? m_ofn.lpstrTitle : open_ ? L"Open" : L"Save As");
        const QString start = QString::fromWCharArray(fileName_.GetString());
        const QString filters = names.join(QStringLiteral(";;"));
        const QString name = open_ ? QFileDialog::getOpenFileName(ownerOf(parent_), title, start, filters)
                                   : QFileDialog::getSaveFileName(ownerOf(parent_), title, start, filters);
        if (name.isEmpty()) return IDCANCEL;
        chosen = name.toStdWString();
    }
    const std::size_t slash = chosen.find_last_of(L'/');
    const std::wstring leaf = slash == std::wstring::npos ? chosen : chosen.substr(slash + 1);
    if (!open_ && !defExt_.IsEmpty() && leaf.find(L'.') == std::wstring::npos) chosen += L"." + defExt_.str();
    path_ = CString(chosen);
    return IDOK;
}

namespace cxc::harness {
void answerNextFileDialog(const wchar_t* path)
{
    if (path) g_scriptedFile = std::wstring(path);
    else g_scriptedFile.reset();
}

void answerNextFolderPicker(const wchar_t* folder)
{
    if (folder) g_scripted = std::wstring(folder);
    else g_scripted.reset();
}
int folderPickerCount() { return g_opened; }
}  // namespace cxc::harness
