// The file picker: Qt's open-file dialog on a desktop, a scripted answer headless.
#include <QFileDialog>

#include <optional>

#include "afxdlgs.h"
#include "wnd_internal.h"

namespace {
std::optional<std::wstring> g_scripted;
}  // namespace

CFileDialog::CFileDialog(BOOL, LPCTSTR, LPCTSTR, DWORD, LPCTSTR filter, CWnd* parent) : parent_(parent), filter_(filter) {}

INT_PTR CFileDialog::DoModal()
{
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
    // MFC's "Name (*.x)|*.x|...||" becomes Qt's "Name (*.x);;...": the descriptions carry the patterns.
    QStringList parts = QString::fromWCharArray(filter_.GetString()).split(u'|', Qt::SkipEmptyParts);
    QStringList filters;
    for (qsizetype k = 0; k < parts.size(); k += 2) filters << parts[k];
    const QString title = QString::fromWCharArray(m_ofn.lpstrTitle ? m_ofn.lpstrTitle : L"Open");
    const QString chosen = QFileDialog::getOpenFileName(owner, title, QString(), filters.join(QStringLiteral(";;")));
    if (chosen.isEmpty()) return IDCANCEL;
    path_ = CString(chosen.toStdWString());
    return IDOK;
}

namespace cxc::harness {
void answerNextFilePicker(const wchar_t* file)
{
    if (file) g_scripted = std::wstring(file);
    else g_scripted.reset();
}
}  // namespace cxc::harness
