// Opens the MEG link map template headless with a plain dialog, fills a few of its controls as the
// dialog would, paints a stand-in picture into the map view and writes a screenshot:
//   cxcdialogdemo [OUTDIR]   (default: out) -> OUTDIR/dialog3717.png
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "afxwin.h"
#include "cxcharness.h"
#include "cxcplatform.h"
#include "moduleresources.h"
#include "resource.h"

namespace {

// The map view's place: paints a light field with a ring of sensors, as a map would.
class DemoView : public CStatic {
public:
    void OnPaint()
    {
        CPaintDC dc(this);
        CRect r;
        GetClientRect(&r);
        dc.FillSolidRect(&r, RGB(255, 255, 255));
        CPen ring(PS_SOLID, 1, RGB(0, 0, 0));
        CPen link(PS_SOLID, 2, RGB(220, 0, 0));
        cxc::gdi::DcStateGuard keep(dc);
        dc.SelectObject(&ring);
        const int cx = r.Width() / 2, cy = r.Height() / 2, rad = std::min(cx, cy) - 20;
        dc.Ellipse(cx - rad, cy - rad, cx + rad, cy + rad);
        dc.SelectObject(&link);
        dc.MoveTo(cx - rad / 2, cy - rad / 3);
        dc.LineTo(cx + rad / 2, cy + rad / 3);
        dc.TextOut(8, 8, CString(L"Active Selection: demo"));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DemoView, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

class DemoDialog : public CDialog {
public:
    DemoView view;
    CComboBox rows, columns;
    int showLabel = 1, radiology = 0, sensor = 1, sensorSize = 6;
    long long selectBegin = 120, selectEnd = 180;
    double threshold = 0.35, topPercent = 50.0;

    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Control(dx, IDC_MAP_VIEW, view);
        DDX_Control(dx, IDC_ROW_COMBO, rows);
        DDX_Control(dx, IDC_COLUMN_COMBO, columns);
        DDX_Check(dx, IDC_SHOW_LABEL_CHECK, showLabel);
        DDX_Check(dx, IDC_RADIOLOGY, radiology);
        DDX_Check(dx, IDC_SHOW_SENSOR_CHECK, sensor);
        DDX_Text(dx, IDC_SENSOR_SIZE, sensorSize);
        DDX_Text(dx, IDC_SELECT_BEGIN, selectBegin);
        DDX_Text(dx, IDC_SELECT_END, selectEnd);
        DDX_Text(dx, IDC_LINK_THRESHOLD, threshold);
        DDX_Text(dx, IDC_TOP_PERCENT, topPercent);
        DDV_MinMaxInt(dx, cxc::toInt(topPercent), 0, 100);
    }
};

}  // namespace

int main(int argc, char** argv)
{
    const std::string outDir = argc > 1 ? argv[1] : "out";
    cxc::platform::initApplication(argc, argv, /*headless*/ true);
    if (!cxc::resources::joinResourceChain()) {
        std::fprintf(stderr, "cxcdialogdemo: the module's resources could not be registered\n");
        return 1;
    }
    DemoDialog dlg;
    if (!dlg.Create(IDD_MEG_TOPLINK_2DMAP)) {
        std::fprintf(stderr, "cxcdialogdemo: template %d could not be created\n", IDD_MEG_TOPLINK_2DMAP);
        return 1;
    }
    for (const wchar_t* name : {L"MLF11", L"MLF12", L"MRF11", L"MZC01"}) {
        dlg.rows.AddString(name);
        dlg.columns.AddString(name);
    }
    dlg.rows.SetCurSel(0);
    dlg.columns.SetCurSel(2);
    dlg.SetWindowText(L"Active Selection: Waveform CxC Map 2D");
    dlg.SetIcon(AfxGetApp()->LoadIcon(IDI_ICON_CXCMAP), TRUE);
    dlg.ShowWindow(SW_SHOWNORMAL);
    cxc::harness::pumpPaints();

    std::error_code ec;
    std::filesystem::create_directories(outDir, ec);
    const std::string path = outDir + "/dialog3717.png";
    if (!cxc::harness::writePng(&dlg, path.c_str())) {
        std::fprintf(stderr, "cxcdialogdemo: cannot write %s\n", path.c_str());
        return 1;
    }
    std::printf("%s\n", path.c_str());
    return 0;
}
