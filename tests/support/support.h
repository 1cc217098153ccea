// What every test file shares: pictures read from any source, comparing two of them (with the
// actual, expected and difference PNGs written when they differ), the picture of a fixed text as a
// view without data shows it, pixel counts in a box, and a scratch folder per test.
//
// The platform, the fault hooks and the pen choices are reset around every test by the listener of
// the test main, so fixtures need no SetUp or TearDown for them.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <source_location>
#include <string>
#include <vector>

#include "afxwin.h"
#include "cxcharness.h"

namespace cxctest {

namespace fs = std::filesystem;

// Any picture as its size and a pixel reader.
struct Picture {
    int width = 0;
    int height = 0;
    std::function<COLORREF(int x, int y)> at;
};
Picture picture(const cxc::harness::Image& img);
Picture picture(const CDC& dc, int width, int height);
// A PNG file's pixels; 0 x 0 when it cannot be read.
Picture readPicture(const fs::path& png);

// The two pictures agree pixel for pixel (in `box`, the whole picture when empty). Otherwise a
// failure at the caller's line that names the differing count and the two PNGs written to the
// output folder as <name>-actual.png and <name>-expected.png.
bool expectSameImage(const Picture& actual, const Picture& expected, const std::string& name, CRect box = CRect(),
                     std::source_location at = std::source_location::current());

// Pixels of the picture that differ from `text` written by TextOut at (2, 2) with a DC's default
// font and colours (what a view without data paints) on its own bottom-right pixel's colour.
int differsFromText(const cxc::harness::Image& img, const wchar_t* text);
// The picture shows that text alone, on its own bottom-right pixel's colour.
bool expectShowsText(const cxc::harness::Image& img, const wchar_t* text, const std::string& name,
                     std::source_location at = std::source_location::current());

// Pixels of a colour in [x0, x1) x [y0, y1).
int count(const Picture& p, COLORREF c, int x0, int y0, int x1, int y1);
int count(const Picture& p, COLORREF c, CRect box);
// Pixels of a colour within `half` of a point.
int countAround(const Picture& p, COLORREF c, CPoint centre, int half);

// A folder of its own for the current test, removed at its end.
class Scratch {
public:
    Scratch();
    ~Scratch();
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    fs::path path(const std::string& name) const { return root_ / name; }
    std::string str(const std::string& name) const { return path(name).string(); }
    std::string dir() const { return root_.string(); }
    // The names in the folder (or in one of its folders), sorted.
    std::vector<std::string> list(const std::string& folder = {}) const;

private:
    fs::path root_;
};

std::string readFile(const fs::path& path);
void writeFile(const fs::path& path, const std::string& text);

// The texts of the message boxes raised so far, in order.
std::vector<std::wstring> messages();
inline std::wstring str(const CString& s) { return s.str(); }

}  // namespace cxctest
