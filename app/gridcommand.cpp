#include "gridcommand.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <cstdio>
#include <ostream>

#include "cxcmap2d.h"
#include "filewrite.h"
#include "stateegcxccntmapqz.h"
#include "statmegcclcntmapqz.h"

namespace cxc::app {

namespace {

// Prepares the view as a contour show function does, and copies the grid out.
template <class View>
bool gridOf(CArrayMEDataSetqz& dataSet, const ClassChoice& choice, std::vector<GridPointValue>& grid,
            std::string& error)
{
    View view;
    if (!prepareContourView(view, &dataSet, choice.cxcClass)) {
        error = toUtf8(lastError());
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
    std::string error = loadData(o.data, source, o.fieldTrip);
    if (!source.warning.empty()) err << "cxcmap grid: " << source.warning << "\n";
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
