// Figures of every window on the demo data: the recorded paint replays onto the very pixels of the
// paint, and the link map's SVG and PDF carry the channel labels as text and the links as lines.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <memory>
#include <string>

#include "afxwin.h"
#include "cxccompanions.h"
#include "cxcfigure.h"
#include "cxcharness.h"
#include "demodata.h"
#include "moduleresources.h"
#include "show_table.h"
#include "support.h"

namespace {

namespace harness = cxc::harness;
namespace figure = cxc::figure;
using showtable::kShows;
using showtable::Show;

// The first text element holding a MEG sensor name ("MLF11") or an EEG one of the 10-10 system's
// midline or front ("Fp1", "Oz"); empty when there is none.
std::string firstSensorLabel(const std::string& svg)
{
    for (std::size_t end = svg.find("</text>"); end != std::string::npos; end = svg.find("</text>", end + 1)) {
        const std::size_t start = svg.rfind('>', end) + 1;
        const std::string t = svg.substr(start, end - start);
        auto digit = [&](std::size_t i) { return std::isdigit(static_cast<unsigned char>(t[i])) != 0; };
        const bool meg = t.size() == 5 && t[0] == 'M' && std::string("LRZ").find(t[1]) != std::string::npos &&
                         std::string("FCTPO").find(t[2]) != std::string::npos && digit(3) && digit(4);
        if (meg || t == "Fp1" || t == "Oz") return t;
    }
    return {};
}

int countOf(const std::string& text, const std::string& what)
{
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

TEST(Figures, EveryWindowOnTheDemoDataReplaysItsPaintAndLinkMapsKeepLabelsAndLinks)
{
    std::unique_ptr<CArrayMEDataSetqz> demo = cxc::demo::build();
    cxctest::Scratch scratch;
    for (const Show& w : kShows) {
        SCOPED_TRACE(w.name);
        const long gdi = cxc::gdi::liveCounts().total();
        {
            showtable::Face face;
            ASSERT_EQ((face.*w.show)(demo.get(), nullptr), 1);
            CDialog* dlg = face.*w.slot;
            CWnd* view = CWnd::FromHandlePermanent(harness::controlHandle(dlg, w.viewId));
            ASSERT_NE(view, nullptr);
            harness::pumpPaints();
            const figure::Picture pic = figure::recordPaint(view);
            cxctest::expectSameImage(cxctest::picture(figure::replay(pic, 1)),
                                     cxctest::picture(harness::clientSurface(view)), std::string(w.name) + "-replay");
            if (w.kind == cxc::ShowKind::Link) {
                const std::string svg = scratch.str(std::string(w.name) + ".svg");
                const std::string pdf = scratch.str(std::string(w.name) + ".pdf");
                ASSERT_EQ(figure::writeDialog(dlg, view, pic, {figure::Format::Svg, 1, 0}, svg.c_str()), "");
                ASSERT_EQ(figure::writeDialog(dlg, view, pic, {figure::Format::Pdf, 1, 0}, pdf.c_str()), "");
                // Sensor labels as text elements (MEG "MLF11", EEG "Fp1"), links as line or path elements.
                const std::string text = cxctest::readFile(svg);
                const std::string label = firstSensorLabel(text);
                ASSERT_FALSE(label.empty()) << svg;
                EXPECT_GT(countOf(text, "<path") + countOf(text, "<polyline") + countOf(text, "<line"), 20);
                const std::string txt = scratch.str(std::string(w.name) + ".txt");
                ASSERT_EQ(std::system(("pdftotext " + pdf + " " + txt).c_str()), 0) << "needs pdftotext (poppler-utils)";
                EXPECT_NE(cxctest::readFile(txt).find(label), std::string::npos) << label;
            }
        }
        EXPECT_EQ(cxc::gdi::liveCounts().total(), gdi);
    }
}

}  // namespace
