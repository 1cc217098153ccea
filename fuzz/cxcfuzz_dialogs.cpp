// Fuzz target: the windows of the facade driven as a user would. The input picks a data set
// (fuzzdataset.h), opens windows through the facade's show functions and plays a sequence of
// actions on them: button clicks, combo choices, typed text (numbers, garbage, extremes), up-down
// steps, scroll codes, menu commands, pen choices, message box answers, timer ticks, resizes down to
// 0 x 0, mouse drags and clicks, shows again (also on a data set that replaced a freed one) and the
// close box. Controls and menu items come from each dialog's own template. When the facade is
// gone, no window and no GDI object may be left alive.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "cxccompanions.h"
#include "dlgmegcxcshowstdset.h"
#include "dlgmegcxctoplink2dmap.h"
#include "fuzzdataset.h"
#include "show_table.h"
#include "tables.h"

namespace {

namespace harness = cxc::harness;
using showtable::kShowCount;
using showtable::kShows;

const cxc::res::DialogTemplate* templateOf(CDialog* dlg)
{
    for (int i = 0; i < cxc::resources::tables::kDialogCount; ++i)
        if (cxc::resources::tables::kDialogs[i].id == dlg->m_nIDTemplate) return &cxc::resources::tables::kDialogs[i];
    return nullptr;
}

void collectCommands(const cxc::res::MenuEntry* entries, int count, std::vector<UINT>& out)
{
    for (int i = 0; i < count; ++i) {
        if (entries[i].flags & MF_POPUP) collectCommands(entries[i].popup, entries[i].popupCount, out);
        else if (!(entries[i].flags & MF_SEPARATOR)) out.push_back(entries[i].id);
    }
}

std::vector<UINT> menuCommands(const cxc::res::DialogTemplate& t)
{
    std::vector<UINT> ids;
    for (int i = 0; i < cxc::resources::tables::kMenuCount; ++i)
        if (cxc::resources::tables::kMenus[i].id == t.menu)
            collectCommands(cxc::resources::tables::kMenus[i].entries, cxc::resources::tables::kMenus[i].count, ids);
    return ids;
}

// A control of the template of a class, or 0 when it has none.
int pickControl(FuzzedDataProvider& in, const cxc::res::DialogTemplate& t, cxc::res::ItemClass cls)
{
    std::vector<int> ids;
    for (int i = 0; i < t.itemCount; ++i)
        if (t.items[i].cls == cls && t.items[i].id > 0) ids.push_back(t.items[i].id);
    return ids.empty() ? 0 : ids[in.ConsumeIntegralInRange<std::size_t>(0, ids.size() - 1)];
}

std::wstring textFrom(FuzzedDataProvider& in)
{
    static const wchar_t* const kTexts[] = {
        L"",     L"0",       L"-0",   L"1",   L"-1",    L"0.5",   L"100",     L"1e309", L"-1e309", L"nan",
        L"inf",  L"abc",     L"1,5",  L" 7 ", L"2147483647", L"-2147483648", L"2147483648",
        L"9223372036854775807", L"-9223372036854775808", L"99999999999999999999", L"1e-320", L"0x10", L"--5",
    };
    if (in.ConsumeBool()) return kTexts[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kTexts) - 1)];
    const std::string raw = in.ConsumeRandomLengthString(24);
    std::wstring w;
    for (unsigned char c : raw) w += static_cast<wchar_t>(c);
    return w;
}

POINT pointFrom(FuzzedDataProvider& in)
{
    return POINT{in.ConsumeIntegralInRange<int>(-20, 1400), in.ConsumeIntegralInRange<int>(-20, 1000)};
}

// The window the actions go to: the shown dialog, or the standard display parameters dialog that a
// MEG link dialog may have opened.
CDialog* targetOf(CDialog* dlg, bool sub)
{
    if (!sub) return dlg;
    if (auto* link = dynamic_cast<CDlgMegCxcTopLink2DMap*>(dlg); link && link->stdSetDlg && link->stdSetDlg->GetSafeHwnd())
        return link->stdSetDlg;
    return dlg;
}

// The host: its data set, and the facade it keeps (destroyed first, with its windows).
struct Session {
    std::unique_ptr<CArrayMEDataSetqz> data;
    showtable::Face face;
};

void play(FuzzedDataProvider& in, Session& s)
{
    const cxcfuzz::DataSet recipe = cxcfuzz::dataSetFrom(in);
    s.data = recipe.build();
    int current = in.ConsumeIntegralInRange<int>(0, kShowCount - 1);
    (s.face.*kShows[current].show)(s.data.get(), nullptr);
    bool sub = false;
    for (int step = 0; step < 48 && in.remaining_bytes() > 0; ++step) {
        CDialog* dlg = targetOf(s.face.*kShows[current].slot, sub);
        const cxc::res::DialogTemplate* t = dlg ? templateOf(dlg) : nullptr;
        const int action = in.ConsumeIntegralInRange<int>(0, 17);
        if (!t && action < 12) continue;
        switch (action) {
        case 0: case 1: harness::clickButton(dlg, pickControl(in, *t, cxc::res::ItemClass::Button)); break;
        case 2: harness::selectCombo(dlg, pickControl(in, *t, cxc::res::ItemClass::ComboBox),
                                     in.ConsumeIntegralInRange<int>(-2, 300)); break;
        case 3: case 4: {
            const int id = in.ConsumeBool() ? pickControl(in, *t, cxc::res::ItemClass::Edit)
                                            : pickControl(in, *t, cxc::res::ItemClass::ComboBox);
            harness::typeText(dlg, id, textFrom(in).c_str());
            break;
        }
        case 5: harness::upDown(dlg, pickControl(in, *t, cxc::res::ItemClass::UpDown),
                                static_cast<int>(cxcfuzz::hostileIndex(in, 3) % 1000003)); break;
        case 6: harness::hscroll(dlg, pickControl(in, *t, cxc::res::ItemClass::ScrollBar), in.ConsumeIntegralInRange<int>(0, 8),
                                 in.ConsumeIntegral<int>()); break;
        case 7: case 8: {
            const std::vector<UINT> ids = menuCommands(*t);
            if (!ids.empty()) harness::menuCommand(dlg, ids[in.ConsumeIntegralInRange<std::size_t>(0, ids.size() - 1)]);
            break;
        }
        case 9: {
            const POINT a = pointFrom(in), b = pointFrom(in);
            harness::mouseDown(dlg, a);
            harness::mouseMove(dlg, b);
            harness::mouseUp(dlg, in.ConsumeBool() ? b : pointFrom(in));
            break;
        }
        case 10: harness::clickInControl(dlg, pickControl(in, *t, cxc::res::ItemClass::Static), pointFrom(in)); break;
        case 11: harness::resize(dlg, in.ConsumeIntegralInRange<int>(0, 1400), in.ConsumeIntegralInRange<int>(0, 1000)); break;
        case 12: harness::advanceTime(in.ConsumeIntegralInRange<unsigned>(0, 2000)); break;
        case 13: {
            LOGPEN pen{static_cast<UINT>(in.ConsumeIntegralInRange<int>(0, 6)),
                       POINT{in.ConsumeBool() ? in.ConsumeIntegralInRange<int>(-3, 40) : in.ConsumeIntegral<int>(), 0},
                       in.ConsumeIntegral<COLORREF>() & 0xFFFFFF};
            CPenSetupqz::queueChoice(pen);
            harness::setMessageBoxAnswer(in.PickValueInArray({IDOK, IDCANCEL, IDYES, IDNO}));
            break;
        }
        case 14:  // another window, or the same again, through the facade
            current = in.ConsumeIntegralInRange<int>(0, kShowCount - 1);
            sub = false;
            (s.face.*kShows[current].show)(s.data.get(), nullptr);
            break;
        case 15:  // the host frees its data set and shows a new one in every window it opened
            s.data.reset();
            s.data = cxcfuzz::dataSetFrom(in).build();
            for (const showtable::Show& w : kShows)
                if (s.face.*w.slot) (s.face.*w.show)(s.data.get(), nullptr);
            break;
        case 16: sub = !sub; break;
        default:
            if (dlg && in.ConsumeIntegralInRange<int>(0, 3) == 0) harness::closeBox(dlg);
            break;
        }
        harness::pumpPaints();
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    cxcfuzz::startHeadless(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider in(bytes, size);
    harness::resetPlatform();
    CPenSetupqz::clearChoices();
    const long gdiBefore = cxc::gdi::liveCounts().total();
    const long windowsBefore = cxc::wnd::liveWindows().windows;
    {
        Session s;
        play(in, s);
    }
    if (cxc::wnd::liveWindows().windows != windowsBefore) std::abort();
    if (cxc::gdi::liveCounts().total() != gdiBefore) std::abort();
    harness::resetPlatform();
    CPenSetupqz::clearChoices();
    return 0;
}
