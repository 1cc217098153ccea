#include "gridcommand.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <cstdio>
#include <ostream>

#include "cxccompanions.h"
#include "cxcharness.h"
#include "filewrite.h"
#include "stateegcxccntmapqz.h"
#include "statmegcclcntmapqz.h"

namespace cxc::app {

namespace {

// "row 3 (MLC21) over samples 120 to 150": the reference row and the selection of a grid.
std::string describeRow(CMDTrialqz* trial, int cxcClass)
{
    CSnsCohFaceqz* package = trial ? trial->getCoherenceFaceqzTime(false) : nullptr;
    CSnsCohDataqz* data = package ? package->getCoherenceData(cxcClass) : nullptr;
    if (!data) return "the reference row";
    std::string text = "row " + std::to_string(data->curRow);
    if (const CWavChnlChnlDataqz* self = data->pairAt(data->curRow, data->curRow))
        if (const CString name = trial->getChannelName(self->colChnl); !name.IsEmpty()) text += " (" + toUtf8(name) + ")";
    return text + " over samples " + std::to_string(data->selectBegin) + " to " + std::to_string(data->selectEnd);
}

// Why the view's grid pipeline refused, read from what it left behind: a message box it raised, no
// channel to lay the grid over, no grid laid over the channels' plane, or values that leave no
// field over the selection (a data folder always holds every row of the pair array).
template <class View>
std::string whyNoGrid(View& view, const ClassChoice& choice, size_t boxesBefore)
{
    const auto& boxes = harness::messageBoxes();
    if (boxes.size() > boxesBefore) return toUtf8(boxes.back().text);
    const std::string modality = modalityName(choice.modality);
    const CDataGridRect& g = view.grid;
    if (g.snsrCount < 1) return "the data set has no good " + modality + " channel to lay the grid over";
    if (!g.points) {
        // A grid side is the span in plane units plus the borders: under one unit leaves no cell.
        const bool flat = !(g.xMax - g.xMin >= 1.0) || (choice.modality == 1 && !(g.yMax - g.yMin >= 1.0));
        return flat ? "the " + modality + " channels' positions on the 2-D plane span less than one unit"
                    : "the " + modality + " channels' 2-D plane is too large for a grid";
    }
    return "in " + describeRow(view.trial, choice.cxcClass) + " the " + modality +
           " channels' values do not vary or are not numbers";
}

// Runs the pipeline as a contour show function prepares its view, and copies the grid out.
template <class View>
bool gridOf(CArrayMEDataSetqz& dataSet, const ClassChoice& choice, std::vector<GridPointValue>& grid,
            std::string& error)
{
    View view;
    view.dataSet = &dataSet;
    view.cxcClass = choice.cxcClass;
    if (!view.checkInitTrial()) {
        error = "the data set has no current trial";
        return false;
    }
    view.projectSensors2D(view.chnlType);
    const size_t boxesBefore = harness::messageBoxes().size();
    if (!view.rebuildFieldGrid()) {
        error = "the grid cannot be built: " + whyNoGrid(view, choice, boxesBefore);
        return false;
    }
    const CDataGridRect& g = view.grid;
    grid.clear();
    grid.reserve(static_cast<size_t>(g.nx) * static_cast<size_t>(g.ny));
    for (int i = 0; i < g.nx; ++i)
        for (int j = 0; j < g.ny; ++j)
            grid.push_back({i, j, g.points[i][j].x, g.points[i][j].y, g.values[i][j]});
    return true;
}

void appendNumber(std::string& s, double v)
{
    char buffer[40];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, 17);
    s.append(buffer, r.ptr);
}

}  // namespace

bool fieldGrid(CArrayMEDataSetqz& dataSet, const ClassChoice& choice, std::vector<GridPointValue>& grid,
               std::string& error)
{
    if (!applyChoice(dataSet, choice, error)) return false;
    return choice.modality == 1 ? gridOf<CStatEEGCxcCntMapqz>(dataSet, choice, grid, error)
                                : gridOf<CStatMEGCClCntMapqz>(dataSet, choice, grid, error);
}

std::string gridCsv(const std::vector<GridPointValue>& grid)
{
    std::string csv = "i,j,x,y,value\n";
    csv.reserve(csv.size() + grid.size() * 64);
    for (const GridPointValue& p : grid) {
        csv += std::to_string(p.i);
        csv += ',';
        csv += std::to_string(p.j);
        csv += ',';
        appendNumber(csv, p.x);
        csv += ',';
        appendNumber(csv, p.y);
        csv += ',';
        appendNumber(csv, p.value);
        csv += '\n';
    }
    return csv;
}

int runGrid(const GridOptions& o, std::ostream& out, std::ostream& err)
{
    DataSource source;
    std::string error = loadData(o.data, source);
    std::vector<GridPointValue> grid;
    if (error.empty()) fieldGrid(*source.dataSet, o.choice, grid, error);
    if (error.empty()) {
        const std::string csv = gridCsv(grid);
        error = replaceFile(o.out, [&](const std::filesystem::path& temp) -> std::string {
            std::FILE* f = std::fopen(temp.c_str(), "wb");
            if (!f) return o.out + ": " + std::strerror(errno);
            const bool written = std::fwrite(csv.data(), 1, csv.size(), f) == csv.size();
            const bool closed = std::fclose(f) == 0;
            return written && closed ? std::string() : o.out + ": " + std::strerror(errno);
        });
    }
    if (!error.empty()) {
        err << "cxcmap grid: " << error << "\n";
        return 1;
    }
    out << "wrote " << o.out << " (" << grid.size() << " grid points)\n";
    return 0;
}

}  // namespace cxc::app
