#include "rendercommand.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <ostream>

#include "cxccompanions.h"
#include "cxcharness.h"
#include "datasource.h"
#include "filewrite.h"
#include "firstlook.h"
#include "showtable.h"

namespace cxc::app {

namespace {

// What the windows move in the data while they play or are clicked: the current trial, each
// package's current class and, per class, the selection, the current row and column and the colour
// range a viewer keeps there. Each picture starts from the same marks, so it does not depend on
// which windows were drawn before it.
class DataMarks {
public:
    explicit DataMarks(CArrayMEDataSetqz& dataSet) : session_(dataSet.getSessionData(-1))
    {
        if (!session_) return;
        trial_ = session_->getCurrentTrialIndx();
        for (int t = 0; t < session_->getTotalTrial(); ++t) {
            if (CSnsCohFaceqz* package = packageOf(t)) currentClasses_.push_back({t, package->getCurrentClass()});
            for (int cls = 0; cls < 3; ++cls)
                if (CSnsCohDataqz* d = classOf(t, cls))
                    marks_.push_back({t, cls, d->selectBegin, d->selectEnd, d->curRow, d->curCol, d->rangeStamp,
                                      d->rangeMax, d->rangeMin});
        }
    }

    void restore() const
    {
        if (!session_) return;
        for (const Mark& m : marks_) {
            if (CSnsCohDataqz* d = classOf(m.trial, m.cls)) {
                d->selectBegin = m.begin;
                d->selectEnd = m.end;
                d->curRow = m.row;
                d->curCol = m.col;
                d->rangeStamp = m.rangeStamp;
                d->rangeMax = m.rangeMax;
                d->rangeMin = m.rangeMin;
            }
        }
        for (const auto& [trial, cls] : currentClasses_)
            if (CSnsCohFaceqz* package = packageOf(trial); package && cls >= 0) package->setTrlCxcClass(cls);
        if (trial_ >= 0) session_->openTrial(trial_);
    }

private:
    struct Mark {
        int trial, cls;
        long long begin, end, row, col, rangeStamp;
        double rangeMax, rangeMin;
    };
    CSnsCohFaceqz* packageOf(int trial) const
    {
        CMDTrialqz* t = session_->getTrialqz(trial);
        return t ? t->getCoherenceFaceqzTime(false) : nullptr;
    }
    CSnsCohDataqz* classOf(int trial, int cls) const { return cxc::classDataOf(session_->getTrialqz(trial), cls); }

    CMEGDataqz* session_;
    int trial_ = -1;
    std::vector<std::pair<int, int>> currentClasses_;  // trial, its package's current class
    std::vector<Mark> marks_;
};

std::vector<const ShowEntry*> chosenWindows(const RenderOptions& o, std::ostream& err, bool& failed)
{
    std::vector<const ShowEntry*> chosen;
    if (o.only.empty()) {
        for (const ShowEntry& e : showTable()) chosen.push_back(&e);
        return chosen;
    }
    for (const std::string& name : o.only) {
        const ShowEntry* e = findShow(name);
        if (!e) {
            err << "cxcmap render: " << name << ": no such window\n";
            failed = true;
        } else {
            chosen.push_back(e);
        }
    }
    return chosen;
}

std::string formatMs(double ms)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", ms);
    return buffer;
}

}  // namespace

int runRender(const RenderOptions& o, std::ostream& out, std::ostream& err)
{
    const FigureOptions figureOptions{o.format, o.scale, o.dpi, o.viewOnly};
    if (std::string refusal = refusalOf(figureOptions); !refusal.empty()) {
        err << "cxcmap render: " << refusal << "\n";
        return 1;
    }
    DataSource source;
    if (std::string error = loadData(o.data, source, o.fieldTrip); !error.empty()) {
        err << "cxcmap render: " << error << "\n";
        return 1;
    }
    if (!source.warning.empty()) err << "cxcmap render: " << source.warning << "\n";
    bool failed = false;
    const std::vector<const ShowEntry*> chosen = chosenWindows(o, err, failed);
    if (chosen.empty()) {
        if (!failed) err << "cxcmap render: this build of the module offers no window yet\n";
        return failed ? 1 : 0;
    }
    if (std::string error = makeFolder(o.out); !error.empty()) {
        err << "cxcmap render: " << error << "\n";
        return 1;
    }

    CArrayMEDataSetqz* dataSet = source.dataSet.get();
    const DataMarks marks(*dataSet);
    CWnd host;  // the parent handed to the show functions, as a host's main window
    host.CreateEx(0, nullptr, L"cxcmap", WS_POPUP, CRect(0, 0, 320, 200), nullptr, 0);

    for (const ShowEntry* entry : chosen) {
        marks.restore();
        harness::clearMessageBoxes();
        auto facade = std::make_unique<CMEGShowCCData2DFaceqz>();
        const int shown = (facade.get()->*entry->show)(dataSet, &host);
        CDialog* dialog = dialogOf(*facade, *entry);
        if (!shown || !dialog || !dialog->GetSafeHwnd()) {
            err << "cxcmap render: " << entry->name << ": the window could not be opened\n";
            failed = true;
            continue;
        }
        harness::pumpPaints();
        if (!o.rawScales) fitFirstLookScales(*facade, *entry, *dataSet);
        if (o.ticks > 0 && entry->playId && harness::clickButton(dialog, entry->playId)) {
            for (int t = 0; t < o.ticks && harness::fireTimer(dialog, entry->timerId); ++t) harness::pumpPaints();
        }
        // One more paint of the view alone, timed: what a repaint of this picture costs.
        CWnd* view = dialog->GetDlgItem(entry->viewId);
        double lastPaintMs = 0.0;
        if (view) {
            view->InvalidateRect(nullptr, FALSE);
            const auto start = std::chrono::steady_clock::now();
            view->UpdateWindow();
            lastPaintMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        }
        harness::pumpPaints();
        for (const auto& box : harness::messageBoxes())
            err << "cxcmap render: " << entry->name << ": message box \"" << toUtf8(box.text) << "\"\n";
        if (!view) {
            err << "cxcmap render: " << entry->name << ": the window could not be drawn\n";
            failed = true;
            continue;
        }
        const std::filesystem::path file =
            std::filesystem::path(o.out) / (std::string(entry->name) + "." + extensionOf(o.format));
        CSize size;
        if (const std::string error = saveFigure(dialog, view, figureOptions, file, &size); !error.empty()) {
            err << "cxcmap render: " << error << "\n";
            failed = true;
            continue;
        }
        out << file.string() << "  " << size.cx << "x" << size.cy << "  last paint "
            << formatMs(lastPaintMs) << " ms\n";
    }
    marks.restore();
    host.DestroyWindow();
    return failed ? 1 : 0;
}

}  // namespace cxc::app
