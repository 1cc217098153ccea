#include "commandline.h"

#include <CLI/CLI.hpp>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cmath>
#include <filesystem>
#include <map>
#include <cstdlib>
#include <ostream>

#include "checkcommand.h"
#include "cxcplatform.h"
#include "democommand.h"
#include "gridcommand.h"
#include "moviecommand.h"
#include "rendercommand.h"
#include "reportcommand.h"
#include "showtable.h"
#include "viewercommand.h"

namespace cxc::app {

namespace {

std::string windowNames()
{
    std::string names;
    for (const ShowEntry& e : showTable()) names += std::string("\n  ") + e.name;
    return names;
}

const CLI::Validator kWindowName(
    [](std::string& name) -> std::string {
        return findShow(name) ? std::string()
                              : "no window is named " + name + " (the names are the show functions; see --help)";
    },
    "SHOW_FUNCTION", "window name");

// A number as the dialogs' edit boxes read one: strtod in the C locale, whatever the user's locale,
// straight to double (CLI11's own conversion goes through long double and may round twice).
bool parseNumber(const std::string& text, double& value)
{
    static const locale_t c = ::newlocale(LC_ALL_MASK, "C", nullptr);
    char* end = nullptr;
    value = c ? ::strtod_l(text.c_str(), &end, c) : std::strtod(text.c_str(), &end);
    return end != text.c_str() && *end == '\0';
}

const CLI::Validator kFinite(
    [](std::string& text) -> std::string {
        double v = 0.0;
        return parseNumber(text, v) && std::isfinite(v) ? std::string() : text + " is not a finite number";
    },
    "NUMBER", "finite number");

const CLI::Validator kFlag = CLI::IsMember({0, 1});

// Options every command that reads coupling data shares.
struct ChoiceOptions {
    std::string modality = "meg";
    int cxcClass = 0;
    long long row = 0;
    std::vector<long long> select;
    CLI::Option* rowOption = nullptr;

    void add(CLI::App& cmd, bool withRow)
    {
        cmd.add_option("--modality", modality, "channels of the link or contour view: meg or eeg")
            ->transform(CLI::IsMember({"meg", "eeg"}, CLI::ignore_case))
            ->capture_default_str();
        cmd.add_option("--class", cxcClass, "coupling class: 0 Active, 1 Control, 2 Act-Ctl")
            ->check(CLI::Range(0, 2))
            ->capture_default_str();
        cmd.add_option("--select", select, "time selection, first and last sample (default: the data's own)")
            ->expected(2);
        if (withRow) rowOption = cmd.add_option("--row", row, "current row of the pair array (default: the data's own)");
    }
    ClassChoice choice() const
    {
        ClassChoice c;
        c.modality = modality == "eeg" ? 1 : 0;
        c.cxcClass = cxcClass;
        if (rowOption && rowOption->count()) c.row = row;
        if (select.size() == 2) c.select = std::make_pair(select[0], select[1]);
        return c;
    }
};

// Qt wants a private runtime folder and warns on standard error when XDG_RUNTIME_DIR does not name
// one (as under cron, in a container or under xvfb-run); the commands promise one line there per
// error, so give Qt the folder it would fall back to, made as it would make it.
void provideRuntimeDir()
{
    const char* set = std::getenv("XDG_RUNTIME_DIR");
    if (set && *set) return;
    const std::string dir = (std::filesystem::temp_directory_path() / ("runtime-" + std::to_string(::getuid()))).string();
    if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) return;
    struct stat st {};
    if (::stat(dir.c_str(), &st) != 0 || st.st_uid != ::getuid() || (st.st_mode & 0077)) return;
    ::setenv("XDG_RUNTIME_DIR", dir.c_str(), 0);
}

}  // namespace

// --data and the options of a FieldTrip file, the same for every command.
void addDataOptions(CLI::App* cmd, std::string& data, data::FieldTripChoice& fieldTrip)
{
    cmd->add_option("--data", data, "data folder or FieldTrip .mat file (default: the built-in demo data set)");
    cmd->add_option("--variable", fieldTrip.variable, "the struct of a .mat file to read (default: its only variable)");
    cmd->add_option("--parameter", fieldTrip.parameter,
                    "the connectivity field of a .mat file (default: the first of cohspctrm, plvspctrm, wplispctrm, ...)");
    cmd->add_option_function<std::vector<double>>(
           "--freq", [&fieldTrip](const std::vector<double>& v) { fieldTrip.freq = std::make_pair(v[0], v[1]); },
           "FMIN FMAX: the band of a .mat file's frequencies to average (Hz)")
        ->expected(2)
        ->type_name("FMIN FMAX");
}

constexpr const char* kRawScalesHelp =
    "keep the module's own Amp Scale and Time Scale of the row/column viewers and patch maps "
    "(by default they are set to fit the data)";

int runCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    CLI::App app("cxcmap: coupling maps of MEG and EEG recordings.\n"
                 "Without a command, opens the interactive viewer on a data folder or the built-in demo data.",
                 "cxcmap");
    app.require_subcommand(0, 1);
    app.set_version_flag("--version", "cxcmap " CXC_VERSION);
    ViewerOptions viewer;
    addDataOptions(&app, viewer.data, viewer.fieldTrip);
    app.add_option("--open", viewer.open, "windows to open at the start (show function names)")
        ->delimiter(',')
        ->check(kWindowName);
    app.add_flag("--raw-scales", viewer.rawScales, kRawScalesHelp);

    RenderOptions render;
    CLI::App* renderCmd = app.add_subcommand("render", "draw the module's windows into PNG files, without a display");
    addDataOptions(renderCmd, render.data, render.fieldTrip);
    renderCmd->add_option("--out", render.out, "folder of the pictures")->required();
    renderCmd->add_option("--only", render.only, "windows to draw, by show function name (default: all)")
        ->delimiter(',')
        ->check(kWindowName);
    renderCmd->add_option("--ticks", render.ticks, "play timer ticks on the windows that play")
        ->check(CLI::Range(0, 1000000))
        ->capture_default_str();
    renderCmd->add_flag("--view-only", render.viewOnly, "write the view's picture alone, at the view's size");
    renderCmd->add_option("--format", render.format, "png, or svg and pdf with lines and text kept as such")
        ->transform(CLI::CheckedTransformer(std::map<std::string, figure::Format>{
            {"png", figure::Format::Png}, {"svg", figure::Format::Svg}, {"pdf", figure::Format::Pdf}}))
        ->default_str("png");
    renderCmd->add_option("--scale", render.scale, "PNG only: the picture S times as large, lines as thin (1 to 8)")
        ->capture_default_str();
    renderCmd->add_option("--dpi", render.dpi, "physical resolution recorded in PNG and PDF (default 96 per scale step)")
        ->check(CLI::Range(1, 100000));
    renderCmd->add_flag("--raw-scales", render.rawScales, kRawScalesHelp);
    renderCmd->footer("Windows:" + windowNames());

    ReportOptions report;
    ChoiceOptions reportChoice;
    std::string threshold;
    CLI::App* reportCmd = app.add_subcommand("report", "print the small-world graph report of the link dialog's \"GT SW\"");
    addDataOptions(reportCmd, report.data, report.fieldTrip);
    reportChoice.add(*reportCmd, true);
    CLI::Option* thresholdOption =
        reportCmd->add_option("--threshold", threshold, "link threshold (default: half the largest |value|)")->check(kFinite);
    reportCmd->add_option("--use-threshold", report.useThreshold, "count only links at or above the threshold")
        ->check(kFlag)
        ->capture_default_str();
    reportCmd->add_option("--precise", report.precise, "16 decimals instead of 6")->check(kFlag)->capture_default_str();
    reportCmd->add_option("--active-only", report.activeOnly, "only the current row's channel")
        ->check(kFlag)
        ->capture_default_str();

    GridOptions grid;
    ChoiceOptions gridChoice;
    CLI::App* gridCmd = app.add_subcommand("grid", "write the contour map's interpolated grid as CSV (i,j,x,y,value)");
    addDataOptions(gridCmd, grid.data, grid.fieldTrip);
    gridChoice.add(*gridCmd, true);
    gridCmd->add_option("--out", grid.out, "CSV file")->required();

    MovieOptions movie;
    CLI::App* movieCmd = app.add_subcommand("movie", "record a window that plays as a GIF, MP4 or WebM, or PNG frames");
    addDataOptions(movieCmd, movie.data, movie.fieldTrip);
    movieCmd->add_flag("--raw-scales", movie.rawScales, kRawScalesHelp);
    movieCmd->add_option("--only", movie.only, "the window, by show function name (one that plays)")
        ->required()
        ->check(kWindowName);
    movieCmd->add_option("--ticks", movie.ticks, "play ticks, one frame after each")->required()->check(CLI::Range(1, 9999));
    movieCmd->add_option("--out", movie.out, "FILE.gif, FILE.mp4 (needs ffmpeg), FILE.webm (needs ffmpeg), or a folder")
        ->required();
    movieCmd->add_flag("--view-only", movie.viewOnly, "the view alone, with the selection's time below it");
    movieCmd->add_option("--fps", movie.fps, "frames per second")->check(CLI::Range(1, 100))->capture_default_str();
    movieCmd->add_option("--from", movie.from, "first sample of the selection when Play is pressed")
        ->check(CLI::NonNegativeNumber);
    movieCmd->add_flag("--quiet", movie.quiet, "no progress line on standard error");
    movieCmd->footer("Windows that play: " + playingWindowNames());

    std::string demoFolder;
    CLI::App* demoCmd = app.add_subcommand("demo-data", "write the built-in demo data set as a data folder");
    demoCmd->add_option("--out", demoFolder, "folder to write")->required();

    std::string checkData;
    CLI::App* checkCmd = app.add_subcommand("check", "load the data as --data does and say whether they open");
    checkCmd->add_option("--data", checkData, "data folder to check")->required();

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e, out, err) == 0 ? 0 : 2;
    }

    // Qt keeps only the program name: our options are not its business.
    int qtArgc = 1;
    char* qtArgv[] = {const_cast<char*>(argc > 0 ? argv[0] : "cxcmap"), nullptr};
    provideRuntimeDir();
    if (app.got_subcommand(renderCmd) || app.got_subcommand(reportCmd) || app.got_subcommand(gridCmd) ||
        app.got_subcommand(demoCmd) || app.got_subcommand(checkCmd) || app.got_subcommand(movieCmd))
        platform::initApplication(qtArgc, qtArgv, /*headless*/ true);

    if (app.got_subcommand(renderCmd)) return runRender(render, out, err);
    if (app.got_subcommand(movieCmd)) return runMovie(movie, out, err);
    if (app.got_subcommand(reportCmd)) {
        report.choice = reportChoice.choice();
        double t = 0.0;
        if (thresholdOption->count() && parseNumber(threshold, t)) report.threshold = t;
        return runReport(report, out, err);
    }
    if (app.got_subcommand(gridCmd)) {
        grid.choice = gridChoice.choice();
        return runGrid(grid, out, err);
    }
    if (app.got_subcommand(demoCmd)) return runDemoData(demoFolder, out, err);
    if (app.got_subcommand(checkCmd)) return runCheck(checkData, out, err);
    return runViewer(viewer, qtArgc, qtArgv, out, err);
}

}  // namespace cxc::app
