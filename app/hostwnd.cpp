#include "hostwnd.h"

#include "afxdlgs.h"
#include "cxcplatform.h"
#include "cxcharness.h"
#include "democommand.h"
#include "figurefile.h"
#include "firstlook.h"
#include "medataset.h"

using namespace cxc::app;
using cxc::dialogOf;
using cxc::findShowCommand;
using cxc::kFirstShowCommand;
using cxc::kLastShowCommand;
using cxc::ShowEntry;
using cxc::ShowMenu;
using cxc::showTable;

namespace {
constexpr int kClientWidth = 720;
constexpr int kClientHeight = 120;
constexpr int kStatusHeight = 24;
constexpr int kCascadeStep = 48;  // px between windows opened one after the other
}  // namespace

BEGIN_MESSAGE_MAP(CHostWnd, CWnd)
    ON_COMMAND(kOpenDataFolder, &CHostWnd::OnOpenDataFolder)
    ON_COMMAND(kOpenFieldTrip, &CHostWnd::OnOpenFieldTrip)
    ON_COMMAND(kWriteDemoData, &CHostWnd::OnWriteDemoData)
    ON_COMMAND(kSavePicture, &CHostWnd::OnSavePicture)
    ON_COMMAND(kQuit, &CHostWnd::OnQuit)
    ON_COMMAND(kRecordMovie, &CHostWnd::OnRecordMovie)
    ON_COMMAND_RANGE(kFirstShowCommand, kLastShowCommand, &CHostWnd::OnShowWindowCommand)
    ON_WM_SIZE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CHostWnd::CHostWnd() = default;

CHostWnd::~CHostWnd()
{
    // The windows go first: they hold the data set. A movie in progress records one of them.
    record_.reset();
    facade_.reset();
    source_.dataSet.reset();
}

BOOL CHostWnd::CreateHost(DataSource source)
{
    source_ = std::move(source);
    facade_ = std::make_unique<CMEGShowCCData2DFaceqz>();
    if (!CreateEx(0, nullptr, L"cxcmap", WS_OVERLAPPEDWINDOW, CRect(40, 40, 40 + kClientWidth, 40 + kClientHeight),
                  nullptr, 0))
        return FALSE;
    buildMenu();
    CRect client;
    GetClientRect(&client);
    message_.Create(L"", WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(8, 8, client.right - 8, client.bottom - kStatusHeight - 4),
                    this, kMessageId);
    status_.Create(L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_SUNKEN,
                   CRect(0, client.bottom - kStatusHeight, client.right, client.bottom), this, kStatusId);
    showData();
    tell(L"Open a window from the MEG, EEG or Viewers menu.");
    return TRUE;
}

void CHostWnd::buildMenu()
{
    CMenu bar;
    bar.CreateMenu();
    CMenu file;
    file.CreatePopupMenu();
    file.AppendMenu(MF_STRING, kOpenDataFolder, L"&Open Data Folder...");
    file.AppendMenu(MF_STRING, kOpenFieldTrip, L"Open &FieldTrip File...");
    file.AppendMenu(MF_STRING, kWriteDemoData, L"&Write Demo Data...");
    file.AppendMenu(MF_STRING, kSavePicture, L"&Save Picture...");
    file.AppendMenu(MF_STRING, kRecordMovie, L"&Record Movie...");
    file.AppendMenu(MF_SEPARATOR);
    file.AppendMenu(MF_STRING, kQuit, L"&Quit");
    bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(file.Detach()), L"&File");

    const struct {
        ShowMenu menu;
        const wchar_t* text;
    } popups[] = {{ShowMenu::Meg, L"&MEG"}, {ShowMenu::Eeg, L"&EEG"}, {ShowMenu::Viewers, L"&Viewers"}};
    for (const auto& p : popups) {
        CMenu popup;
        popup.CreatePopupMenu();
        int count = 0;
        for (const ShowEntry& e : showTable()) {
            if (e.menu != p.menu) continue;
            // Each kind of window comes in its three classes; a separator between the kinds.
            if (count > 0 && count % 3 == 0) popup.AppendMenu(MF_SEPARATOR);
            ++count;
            popup.AppendMenu(MF_STRING, e.commandId, e.menuText);
        }
        bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(popup.Detach()), p.text);
    }
    SetMenu(&bar);
    bar.Detach();
}

void CHostWnd::showData()
{
    CString title;
    title.Format(L"cxcmap - %s", cxc::fromUtf8(source_.origin).GetString());
    SetWindowText(title);
    status_.SetWindowText(dataSet() ? statusLine(countData(*dataSet())) : CString(L"No data"));
}

void CHostWnd::tell(const CString& text) { message_.SetWindowText(text); }

CString CHostWnd::statusText() const
{
    CString text;
    status_.GetWindowText(text);
    return text;
}

CString CHostWnd::messageText() const
{
    CString text;
    message_.GetWindowText(text);
    return text;
}

int CHostWnd::openWindow(const ShowEntry& entry)
{
    const CString name = cxc::fromUtf8(entry.name);
    if (!facade_) {
        tell(name + L" could not open its window.");
        return 0;
    }
    const bool isNew = dialogOf(*facade_, entry) == nullptr;
    const int shown = (facade_.get()->*entry.show)(dataSet(), this);
    CDialog* dialog = dialogOf(*facade_, entry);
    if (!shown || !dialog || !dialog->GetSafeHwnd()) {
        tell(name + L" could not open its window.");
        return 0;
    }
    if (isNew) {
        placeNewWindow(dialog);
        if (fitScales) cxc::app::fitFirstLookScales(*facade_, entry, *dataSet());
    }
    if (entry.playId) lastPlaying_ = &entry;
    lastOpened_ = &entry;
    tell(L"Opened " + name + L".");
    return 1;
}

// Windows opened one after the other cascade below the host, so none hides the one before.
void CHostWnd::placeNewWindow(CDialog* dialog)
{
    CRect host, rect;
    GetWindowRect(&host);
    dialog->GetWindowRect(&rect);
    const int step = kCascadeStep * (placed_++ % 12);
    dialog->MoveWindow(host.left + step, host.bottom + 8 + step, rect.Width(), rect.Height());
}

bool CHostWnd::openDataFolder(const std::string& folder)
{
    DataSource loaded;
    if (const std::string error = loadData(folder, loaded, fieldTrip); !error.empty()) {
        AfxMessageBox(cxc::fromUtf8(error), MB_OK | MB_ICONERROR);
        tell(L"The data were refused; the data loaded before stay.");
        return false;
    }
    // Every window holds the data set it was opened on: close them all before it goes.
    if (record_) record_->setTarget(nullptr, nullptr, nullptr);
    lastPlaying_ = nullptr;
    facade_ = std::make_unique<CMEGShowCCData2DFaceqz>();
    source_ = std::move(loaded);
    placed_ = 0;
    lastOpened_ = nullptr;
    showData();
    const std::string warning = source_.warning;
    tell(L"Loaded " + cxc::fromUtf8(folder) + L"." + (warning.empty() ? CString() : L" " + cxc::fromUtf8(warning)));
    return true;
}

bool CHostWnd::writeDemoData(const std::string& folder)
{
    if (const std::string error = cxc::app::writeDemoData(folder); !error.empty()) {
        AfxMessageBox(cxc::fromUtf8(error), MB_OK | MB_ICONERROR);
        tell(L"The demo data set was not written.");
        return false;
    }
    tell(L"Wrote the demo data set to " + cxc::fromUtf8(folder) + L".");
    return true;
}

void CHostWnd::OnOpenDataFolder()
{
    CFolderPickerDialog picker(nullptr, 0, this);
    picker.m_ofn.lpstrTitle = L"Open Data Folder";
    if (picker.DoModal() == IDOK) openDataFolder(cxc::toUtf8(picker.GetPathName()));
}

void CHostWnd::OnOpenFieldTrip()
{
    CFileDialog picker(TRUE, L"mat", nullptr, 0, L"FieldTrip files (*.mat)|*.mat||", this);
    picker.m_ofn.lpstrTitle = L"Open FieldTrip File";
    if (picker.DoModal() == IDOK) openDataFolder(cxc::toUtf8(picker.GetPathName()));
}

void CHostWnd::OnWriteDemoData()
{
    CFolderPickerDialog picker(nullptr, 0, this);
    picker.m_ofn.lpstrTitle = L"Write Demo Data Into Folder";
    if (picker.DoModal() == IDOK) writeDemoData(cxc::toUtf8(picker.GetPathName()));
}

CDialog* CHostWnd::frontWindow(const ShowEntry** chosen, bool playing) const
{
    if (chosen) *chosen = nullptr;
    if (!facade_) return nullptr;
    auto shown = [&](const ShowEntry& e) {
        CDialog* d = (!playing || e.playId) ? dialogOf(*facade_, e) : nullptr;
        return d && d->GetSafeHwnd() && d->IsWindowVisible() ? d : nullptr;
    };
    // The coupling window (that plays) that came to the foreground last; else the one opened last.
    const ShowEntry* pick = nullptr;
    for (HWND h : cxc::harness::foregroundOrder()) {
        for (const ShowEntry& e : cxc::showTable())
            if (CDialog* d = shown(e); d && d->GetSafeHwnd() == h) pick = &e;
        if (pick) break;
    }
    const ShowEntry* last = playing ? lastPlaying_ : lastOpened_;
    if (!pick && last && shown(*last)) pick = last;
    if (chosen) *chosen = pick;
    return pick ? dialogOf(*facade_, *pick) : nullptr;
}

bool CHostWnd::savePicture(const std::string& file)
{
    const ShowEntry* entry = nullptr;
    CDialog* dialog = frontWindow(&entry);
    cxc::app::FigureOptions options;
    std::string error;
    if (!dialog) error = "Open a window first: Save Picture saves the frontmost coupling window.";
    else if (!cxc::figure::formatOfName(file, options.format)) error = file + ": the name must end in .png, .svg or .pdf";
    else error = cxc::app::saveFigure(dialog, dialog->GetDlgItem(entry->viewId), options, file);
    if (!error.empty()) {
        AfxMessageBox(cxc::fromUtf8(error), MB_OK | MB_ICONERROR);
        tell(L"The picture was not saved.");
        return false;
    }
    tell(L"Saved " + cxc::fromUtf8(entry->name) + L" to " + cxc::fromUtf8(file) + L".");
    return true;
}

void CHostWnd::OnSavePicture()
{
    const ShowEntry* entry = nullptr;
    if (!frontWindow(&entry)) {
        savePicture({});  // says what to do first
        return;
    }
    CFileDialog dialog(FALSE, L"png", (cxc::fromUtf8(entry->name) + L".png").GetString(), OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       L"PNG picture (*.png)|*.png|SVG drawing (*.svg)|*.svg|PDF document (*.pdf)|*.pdf||", this);
    dialog.m_ofn.lpstrTitle = L"Save Picture";
    if (dialog.DoModal() == IDOK) savePicture(cxc::toUtf8(dialog.GetPathName()));
}

void CHostWnd::OnQuit() { DestroyWindow(); }

void CHostWnd::OnRecordMovie()
{
    const ShowEntry* entry = nullptr;
    if (!frontWindow(&entry, /*playing*/ true)) {
        AfxMessageBox(L"Record Movie records a window that plays; open one first: " +
                          cxc::fromUtf8(playingWindowNames()),
                      MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (!record_) {
        record_ = std::make_unique<CRecordMovieDlg>();
        if (!record_->CreateFor(this)) {
            record_.reset();
            tell(L"The Record Movie dialog could not be made.");
            return;
        }
    }
    if (!record_->recording()) record_->setTarget(dialogOf(*facade_, *entry), entry, dataSet());
    record_->ShowWindow(SW_SHOW);
    record_->BringWindowToTop();
}

void CHostWnd::OnShowWindowCommand(UINT id)
{
    if (const ShowEntry* entry = findShowCommand(id)) openWindow(*entry);
}

void CHostWnd::OnSize(UINT type, int cx, int cy)
{
    CWnd::OnSize(type, cx, cy);
    if (message_.GetSafeHwnd()) message_.MoveWindow(8, 8, std::max(0, cx - 16), std::max(0, cy - kStatusHeight - 12));
    if (status_.GetSafeHwnd()) status_.MoveWindow(0, cy - kStatusHeight, cx, kStatusHeight);
}

void CHostWnd::OnDestroy()
{
    record_.reset();
    facade_.reset();  // the module's windows close with the host
    CWnd::OnDestroy();
    if (quitOnDestroy) cxc::platform::quit(0);
}
