#include "support.h"

#include <png.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

namespace cxctest {

Picture picture(const cxc::harness::Image& img)
{
    return {img.width(), img.height(), [img](int x, int y) { return img.pixel(x, y); }};
}

Picture picture(const CDC& dc, int width, int height)
{
    return {width, height, [&dc](int x, int y) { return cxc::gdi::pixel(dc, x, y); }};
}

Picture readPicture(const fs::path& png)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, png.string().c_str())) return {};
    image.format = PNG_FORMAT_RGB;
    auto pixels = std::make_shared<std::vector<unsigned char>>(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels->data(), 0, nullptr)) return {};
    const int w = static_cast<int>(image.width);
    return {w, static_cast<int>(image.height), [pixels, w](int x, int y) {
                const unsigned char* p = pixels->data() + 3 * (static_cast<size_t>(y) * w + x);
                return RGB(p[0], p[1], p[2]);
            }};
}

// Where failing pictures go: $CXC_TEST_OUT, else <temp>/cxc-test-out.
fs::path outputFolder()
{
    const char* env = std::getenv("CXC_TEST_OUT");
    return env && *env ? fs::path(env) : fs::temp_directory_path() / "cxc-test-out";
}

namespace {

std::string testName()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "outside";
    for (char& c : name)
        if (c == '/') c = '_';
    return name;
}

// A memory surface with those pixels, written as a PNG.
bool writePicture(int w, int h, const std::function<COLORREF(int, int)>& at, const fs::path& path)
{
    CDC dc;
    CBitmap bitmap;
    if (!dc.CreateCompatibleDC(nullptr) || !bitmap.CreateCompatibleBitmap(&dc, std::max(w, 1), std::max(h, 1)))
        return false;
    CBitmap* old = dc.SelectObject(&bitmap);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) dc.SetPixel(x, y, at(x, y));
    const bool ok = cxc::gdi::writePng(dc, path.string().c_str());
    dc.SelectObject(old);
    return ok;
}

// A surface filled with `background`, then `text` written at (2, 2) in the DC's default font and colours.
class TextPicture {
public:
    TextPicture(int width, int height, COLORREF background, const wchar_t* text) : w_(width), h_(height)
    {
        dc_.CreateCompatibleDC(nullptr);
        bitmap_.CreateCompatibleBitmap(&dc_, std::max(width, 1), std::max(height, 1));
        dc_.SelectObject(&bitmap_);
        const COLORREF keep = dc_.GetBkColor();
        dc_.FillSolidRect(0, 0, width, height, background);
        dc_.SetBkColor(keep);
        dc_.TextOut(2, 2, CString(text));
    }
    operator Picture() const { return picture(dc_, w_, h_); }

private:
    CDC dc_;
    CBitmap bitmap_;
    int w_, h_;
};

}  // namespace

bool expectSameImage(const Picture& actual, const Picture& expected, const std::string& name, CRect box,
                     std::source_location at)
{
    std::ostringstream why;
    long differ = 0;
    if (actual.width != expected.width || actual.height != expected.height) {
        why << "sizes differ: " << actual.width << " x " << actual.height << " against " << expected.width << " x "
            << expected.height;
    } else {
        if (box.IsRectEmpty()) box = CRect(0, 0, actual.width, actual.height);
        CPoint first(-1, -1);
        for (int y = box.top; y < box.bottom; ++y)
            for (int x = box.left; x < box.right; ++x)
                if (actual.at(x, y) != expected.at(x, y)) {
                    if (differ++ == 0) first = CPoint(x, y);
                }
        if (differ == 0) return true;
        why << differ << " pixels differ, the first at (" << first.x << ", " << first.y << ")";
    }
    const fs::path folder = outputFolder();
    std::error_code ec;
    fs::create_directories(folder, ec);
    const std::string base = (folder / (testName() + "-" + name)).string();
    writePicture(actual.width, actual.height, actual.at, base + "-actual.png");
    writePicture(expected.width, expected.height, expected.at, base + "-expected.png");
    ADD_FAILURE_AT(at.file_name(), static_cast<int>(at.line()))
        << name << ": " << why.str() << "; see " << base << "-{actual,expected}.png";
    return false;
}

int differsFromText(const cxc::harness::Image& img, const wchar_t* text)
{
    const COLORREF background = img.pixel(img.width() - 1, img.height() - 1);
    const TextPicture expected(img.width(), img.height(), background, text);
    const Picture a = picture(img), b = expected;
    int n = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) n += a.at(x, y) != b.at(x, y);
    return n;
}

bool expectShowsText(const cxc::harness::Image& img, const wchar_t* text, const std::string& name,
                     std::source_location at)
{
    const COLORREF background = img.pixel(img.width() - 1, img.height() - 1);
    return expectSameImage(picture(img), TextPicture(img.width(), img.height(), background, text), name, CRect(),
                           at);
}

int count(const Picture& p, COLORREF c, int x0, int y0, int x1, int y1)
{
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) n += p.at(x, y) == c;
    return n;
}

int count(const Picture& p, COLORREF c, CRect box) { return count(p, c, box.left, box.top, box.right, box.bottom); }

int countAround(const Picture& p, COLORREF c, CPoint centre, int half)
{
    return count(p, c, centre.x - half, centre.y - half, centre.x + half + 1, centre.y + half + 1);
}

Scratch::Scratch()
{
    root_ = fs::temp_directory_path() / ("cxc-test-" + testName() + "-" + std::to_string(::getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_);
}

Scratch::~Scratch() { fs::remove_all(root_); }

std::vector<std::string> Scratch::list(const std::string& folder) const
{
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(folder.empty() ? root_ : root_ / folder, ec))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string readFile(const fs::path& path)
{
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

void writeFile(const fs::path& path, const std::string& text)
{
    std::ofstream f(path, std::ios::binary);
    f << text;
}

std::vector<std::wstring> messages()
{
    std::vector<std::wstring> out;
    for (const auto& m : cxc::harness::messageBoxes()) out.push_back(m.text.str());
    return out;
}

}  // namespace cxctest
