#include "recordmoviedlg.h"

#include "cxcresource.h"

namespace {

using cxc::res::DialogItem;
using IC = cxc::res::ItemClass;
constexpr DWORD kCtl = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

const DialogItem kItems[] = {
    {IC::Static, IDC_STATIC, L"Ticks (one frame each):", 7, 9, 90, 9, WS_CHILD | WS_VISIBLE | SS_LEFT},
    {IC::Edit, CRecordMovieDlg::kTicksId, nullptr, 100, 7, 50, 12, kCtl | ES_AUTOHSCROLL | WS_BORDER},
    {IC::Static, IDC_STATIC, L"Frames per second:", 7, 25, 90, 9, WS_CHILD | WS_VISIBLE | SS_LEFT},
    {IC::Edit, CRecordMovieDlg::kFpsId, nullptr, 100, 23, 50, 12, kCtl | ES_AUTOHSCROLL | WS_BORDER},
    {IC::Static, IDC_STATIC, L"File (.gif, .mp4, .webm, or a folder):", 7, 41, 200, 9, WS_CHILD | WS_VISIBLE | SS_LEFT},
    {IC::Edit, CRecordMovieDlg::kFileId, nullptr, 7, 52, 226, 12, kCtl | ES_AUTOHSCROLL | WS_BORDER},
    {IC::Button, CRecordMovieDlg::kViewOnlyId, L"The view alone, with its time", 7, 70, 160, 10, kCtl | BS_AUTOCHECKBOX},
    {IC::Static, CRecordMovieDlg::kProgressId, L"", 7, 88, 226, 9, WS_CHILD | WS_VISIBLE | SS_LEFT},
    {IC::Button, IDOK, L"Record", 129, 104, 50, 14, kCtl | BS_DEFPUSHBUTTON},
    {IC::Button, IDCANCEL, L"Cancel", 183, 104, 50, 14, kCtl | BS_PUSHBUTTON},
};
const cxc::res::DialogTemplate kTemplates[] = {
    {CRecordMovieDlg::kTemplateId, DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 240, 125, L"Record Movie",
     L"MS Shell Dlg", 8, 0, kItems, static_cast<int>(std::size(kItems))},
};
const cxc::res::ResourceTable kTable = {L"cxcmap", kTemplates, 1, nullptr, 0, nullptr, 0};

// The host's own templates join the resource chain once, after the module's.
bool joinChain()
{
    static AFX_EXTENSION_MODULE module;
    static const bool joined = [] {
        if (!AfxInitExtensionModule(module, cxc::res::registerModule(&kTable))) return false;
        new CDynLinkLibrary(module);  // stays in the chain for the life of the process
        return true;
    }();
    return joined;
}

}  // namespace

BEGIN_MESSAGE_MAP(CRecordMovieDlg, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CRecordMovieDlg::CRecordMovieDlg() = default;

CRecordMovieDlg::~CRecordMovieDlg() { recorder_.reset(); }

BOOL CRecordMovieDlg::CreateFor(CWnd* parent) { return joinChain() && Create(kTemplateId, parent); }

void CRecordMovieDlg::setTarget(CDialog* dialog, const cxc::ShowEntry* entry, CArrayMEDataSetqz* dataSet)
{
    if (recording()) cancelMovie(L"Cancelled: the window changed; nothing was written.");
    target_ = dialog;
    entry_ = entry;
    dataSet_ = dataSet;
    CString caption;
    caption.Format(L"Record Movie - %s", entry ? cxc::fromUtf8(entry->name).GetString() : L"no window");
    SetWindowText(caption);
}

void CRecordMovieDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Text(dx, kTicksId, ticks);
    DDV_MinMaxInt(dx, ticks, 1, 9999);
    DDX_Text(dx, kFpsId, fps);
    DDV_MinMaxInt(dx, fps, 1, 100);
    DDX_Text(dx, kFileId, file);
    DDX_Check(dx, kViewOnlyId, viewOnly);
}

void CRecordMovieDlg::OnOK()
{
    if (recording() || !UpdateData(TRUE)) return;
    if (!target_ || !entry_ || !target_->GetSafeHwnd()) {
        AfxMessageBox(L"Open a window that plays first: " + cxc::fromUtf8(cxc::app::playingWindowNames()), MB_OK | MB_ICONERROR);
        return;
    }
    recorder_ = std::make_unique<cxc::app::MovieRecorder>(
        *target_, *entry_, dataSet_, cxc::app::MovieRequest{cxc::toUtf8(file), ticks, fps, viewOnly != 0});
    if (const std::string error = recorder_->start(); !error.empty()) {
        recorder_.reset();
        AfxMessageBox(cxc::fromUtf8(error), MB_OK | MB_ICONERROR);
        return;
    }
    GetDlgItem(IDOK)->EnableWindow(FALSE);
    SetDlgItemText(kProgressId, L"Recording...");
    SetTimer(kFrameTimer, USER_TIMER_MINIMUM);  // as soon as the desktop has drawn
}

void CRecordMovieDlg::OnTimer(UINT_PTR id)
{
    if (id != kFrameTimer || !recorder_) {
        CDialog::OnTimer(id);
        return;
    }
    if (const std::string error = recorder_->step(); !error.empty()) {
        stopped(L"Failed; nothing was written.");
        AfxMessageBox(cxc::fromUtf8(error), MB_OK | MB_ICONERROR);
        return;
    }
    CString progress;
    progress.Format(L"Frame %d of %d", recorder_->framesDone(), recorder_->frameCount());
    SetDlgItemText(kProgressId, progress);
    if (recorder_->framesDone() < recorder_->frameCount()) return;
    const std::string error = recorder_->finish();
    stopped(error.empty() ? L"Wrote " + file + L"." : CString(L"Failed; nothing was written."));
    if (!error.empty()) AfxMessageBox(cxc::fromUtf8(error), MB_OK | MB_ICONERROR);
}

void CRecordMovieDlg::cancelMovie(const wchar_t* why)
{
    if (recording()) stopped(why);
}

void CRecordMovieDlg::OnCancel()
{
    if (recording()) cancelMovie(L"Cancelled; nothing was written.");
    else CDialog::OnCancel();
}

void CRecordMovieDlg::stopped(const CString& progress)
{
    KillTimer(kFrameTimer);
    recorder_.reset();  // an unfinished movie leaves nothing behind
    SetDlgItemText(kProgressId, progress);
    GetDlgItem(IDOK)->EnableWindow(TRUE);
}
