#include "firstlook.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>

#include "cxccompanions.h"
#include "cxcharness.h"
#include "mapdialogcore.h"
#include "resource.h"
#include "showtable.h"

namespace cxc::app {
namespace {

constexpr double kFill = 0.8;  // of the room a curve may take: a little air above the peak

// Largest finite |value| of the non-self pairs of the class's current row, over the whole series;
// with a kind, only of the columns whose channel is of that kind (what a patch map draws).
double largestInRow(CSnsCohDataqz& data, CMDTrialqz& trial, const CMDChannelqz::Kind* kind)
{
    double largest = 0.0;
    const long long cols = data.colsWalkable();
    for (long long j = 0; j < cols; ++j) {
        const CWavChnlChnlDataqz* el = data.pairAt(data.curRow, j);
        if (!el || !el->series || el->rowChnl == el->colChnl) continue;
        if (kind) {
            CMDChannelqz* ch = trial.channelAt(el->colChnl);
            if (!ch || ch->kind() != *kind) continue;
        }
        const long long n = std::min<long long>(el->seriesLength(), data.sampleCount);
        for (long long t = 0; t < n; ++t)
            if (std::isfinite(el->series[t])) largest = std::max(largest, std::fabs(el->series[t]));
    }
    return largest;
}

// Mean distance (plane units) from each shown channel of the modality to its nearest neighbour.
double meanNearest(CMDTrialqz& trial, bool meg)
{
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i < trial.getTotalChannel(); ++i) {
        CMDChannelqz* ch = trial.channelAt(i);
        if (!ch || ch->kind() != (meg ? CMDChannelqz::Kind::Meg : CMDChannelqz::Kind::Eeg)) continue;
        points.emplace_back(meg ? ch->megX2d : ch->eegX2d, meg ? ch->megY2d : ch->eegY2d);
    }
    double sum = 0.0;
    int counted = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        double best = DBL_MAX;
        for (size_t j = 0; j < points.size(); ++j) {
            const double d = std::hypot(points[i].first - points[j].first, points[i].second - points[j].second);
            if (j != i && d > 0.0) best = std::min(best, d);
        }
        if (best < DBL_MAX) {
            sum += best;
            ++counted;
        }
    }
    return counted ? sum / counted : 0.0;
}

std::wstring number(double v)
{
    wchar_t text[32];
    std::swprintf(text, 32, L"%.4g", v);
    return text;
}

}  // namespace

bool fitFirstLookScales(CMEGShowCCData2DFaceqz& facade, const ShowEntry& entry, CArrayMEDataSetqz& dataSet)
{
    if (entry.kind != ShowKind::RowColumn && entry.kind != ShowKind::Patch) return false;
    CDialog* dialog = dialogOf(facade, entry);
    CWnd* view = dialog && dialog->GetSafeHwnd() ? dialog->GetDlgItem(entry.viewId) : nullptr;
    CMEGDataqz* session = dataSet.getSessionData(-1);
    CMDTrialqz* trial = session ? session->getTrialqz(session->getCurrentTrialIndx()) : nullptr;
    CSnsCohDataqz* data = trial ? classDataOf(trial, entry.cxcClass) : nullptr;
    if (!view || !data || data->sampleCount < 1) return false;
    const CMDChannelqz::Kind modality = entry.menu == ShowMenu::Meg ? CMDChannelqz::Kind::Meg : CMDChannelqz::Kind::Eeg;
    const double largest = largestInRow(*data, *trial, entry.kind == ShowKind::Patch ? &modality : nullptr);
    if (!(largest > 0.0) || !std::isfinite(largest)) return false;

    CRect client;
    view->GetClientRect(&client);
    double amp = 0.0, time = 0.0;
    int apply = 0;
    if (entry.kind == ShowKind::RowColumn) {
        // The overlay's one row: values go up and down from the drawer's base line, and the series
        // starts right of the channel names.
        const double room = static_cast<double>(std::min<long long>(facade.baseLineY, client.Height() - facade.baseLineY));
        amp = kFill * room / largest;
        time = kFill * static_cast<double>(client.Width() - facade.nameWidth) / static_cast<double>(data->sampleCount);
        apply = IDC_REFRESH;
    } else {
        harness::pumpPaints();  // the plane is fitted to the view by its first paint
        const maps::SensorMapFields* v = dialogs::mapViewFieldsOf(dialog);
        if (!v) return false;
        const double spacing = meanNearest(*trial, modality == CMDChannelqz::Kind::Meg) * std::min(v->scaleX, v->scaleY);
        if (!(spacing > 0.0) || !std::isfinite(spacing)) return false;
        amp = kFill * 0.5 * spacing / largest;
        const long long width = std::max<long long>(1, std::llabs(data->selectEnd - data->selectBegin));
        time = kFill * spacing / static_cast<double>(width);
        apply = IDC_APPLY;
    }
    if (!(amp > 0.0) || !(time > 0.0) || !std::isfinite(amp) || !std::isfinite(time)) return false;
    harness::typeText(dialog, IDC_AMP_SCALE, number(amp).c_str());
    harness::typeText(dialog, IDC_TIME_SCALE, number(time).c_str());
    harness::clickButton(dialog, apply);
    return true;
}

}  // namespace cxc::app
