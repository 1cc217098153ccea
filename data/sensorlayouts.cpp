#include "sensorlayouts.h"

#include <algorithm>
#include <cmath>
#include <cwctype>
#include <map>

#include "cxcsat.h"

namespace cxc::layouts {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180.0;

struct Dir {
    double x, y, z;
};

Dir direction(double thetaDeg, double azDeg)
{
    return {std::sin(thetaDeg * kDeg) * std::cos(azDeg * kDeg), std::sin(thetaDeg * kDeg) * std::sin(azDeg * kDeg),
            std::cos(thetaDeg * kDeg)};
}

Dir slerp(const Dir& a, const Dir& b, double t)
{
    const double c = std::clamp(a.x * b.x + a.y * b.y + a.z * b.z, -1.0, 1.0);
    const double om = std::acos(c);
    if (om < 1e-12) return a;
    const double sa = std::sin((1.0 - t) * om) / std::sin(om), sb = std::sin(t * om) / std::sin(om);
    return {sa * a.x + sb * b.x, sa * a.y + sb * b.y, sa * a.z + sb * b.z};
}

// ---- MEG helmet ----

constexpr double kHelmetCentreZ = 0.04;  // m
constexpr double kHelmetRadius = 0.12;   // m

wchar_t regionOf(const Dir& u, bool midline)
{
    const double theta = std::acos(std::clamp(u.z, -1.0, 1.0)) / kDeg;
    if (!midline && theta > 62.0 && std::fabs(u.x) > 0.55) return L'T';
    if (u.y > 0.30) return L'F';
    if (u.y < -0.55) return L'O';
    if (u.y < -0.05) return L'P';
    return L'C';
}

// Deepest point the helmet reaches (degrees from the vertex): less at the face, more at the back.
double helmetEdge(const Dir& u)
{
    const double h = std::hypot(u.x, u.y);
    const double front = h > 0.0 ? u.y / h : 0.0;
    return 88.0 - 20.0 * front;
}

std::vector<Dir> leftHalf(int total)
{
    std::vector<Dir> out;
    const double golden = kPi * (3.0 - std::sqrt(5.0));
    for (int k = 0; k < total; ++k) {
        const double z = 1.0 - (k + 0.5) * 2.0 / total;
        const double r = std::sqrt(std::max(0.0, 1.0 - z * z));
        const Dir u{r * std::cos(k * golden), r * std::sin(k * golden), z};
        const double theta = std::acos(z) / kDeg;
        if (u.x < -0.08 && theta < helmetEdge(u)) out.push_back(u);
    }
    return out;
}

// Sites are kept to a tenth of a millimetre, as a digitiser would report them.
double tenthMm(double v)
{
    const double r = std::round(v * 1e4) / 1e4;
    return r == 0.0 ? 0.0 : r;
}

Site at(const std::wstring& name, const Dir& u, double cz, double radius)
{
    return {name, tenthMm(radius * u.x), tenthMm(radius * u.y), tenthMm(cz + radius * u.z)};
}

}  // namespace

std::vector<Site> megHelmet()
{
    // Midline sensors every 12 degrees from the forehead over the vertex to the back of the head.
    std::vector<Dir> midline;
    for (int a = -60; a <= 96; a += 12) midline.push_back(direction(std::fabs(a), a < 0 ? 90.0 : 270.0));
    // Left half from a golden-angle spiral, sized so that the helmet holds 150 sensors; the right
    // half is its mirror image.
    const int wantLeft = (150 - static_cast<int>(midline.size())) / 2;
    std::vector<Dir> left;
    for (int total = 100; total < 1000; ++total) {
        left = leftHalf(total);
        if (static_cast<int>(left.size()) >= wantLeft) break;
    }

    std::vector<Site> sites;
    // Left sensors numbered per region: the tens digit counts rings of 12 degrees from the vertex,
    // the units digit the sensors of a ring from the midline outwards.
    std::map<wchar_t, std::vector<Dir>> byRegion;
    for (const Dir& u : left) byRegion[regionOf(u, false)].push_back(u);
    for (auto& [region, dirs] : byRegion) {
        auto ring = [](const Dir& u) { return cxc::toInt(std::acos(std::clamp(u.z, -1.0, 1.0)) / kDeg / 12.0); };
        std::sort(dirs.begin(), dirs.end(), [&](const Dir& a, const Dir& b) {
            if (ring(a) != ring(b)) return ring(a) < ring(b);
            return std::fabs(a.x) < std::fabs(b.x);
        });
        int tens = 0, units = 0, lastRing = -1;
        for (const Dir& u : dirs) {
            if (ring(u) != lastRing || units == 9) {
                ++tens;
                units = 0;
                lastRing = ring(u);
            }
            ++units;
            wchar_t digits[8];
            std::swprintf(digits, 8, L"%d%d", tens, units);
            const std::wstring suffix = std::wstring(1, region) + digits;
            sites.push_back(at(L"ML" + suffix, u, kHelmetCentreZ, kHelmetRadius));
            sites.push_back(at(L"MR" + suffix, Dir{-u.x, u.y, u.z}, kHelmetCentreZ, kHelmetRadius));
        }
    }
    std::map<wchar_t, int> midCount;
    for (const Dir& u : midline) {
        const wchar_t region = regionOf(u, true);
        wchar_t digits[8];
        std::swprintf(digits, 8, L"%02d", ++midCount[region]);
        sites.push_back(at(std::wstring(L"MZ") + region + digits, u, kHelmetCentreZ, kHelmetRadius));
    }
    std::sort(sites.begin(), sites.end(), [](const Site& a, const Site& b) { return a.name < b.name; });
    return sites;
}

std::vector<Site> eegCap64()
{
    constexpr double kCapCentreZ = 0.04;  // m
    constexpr double kCapRadius = 0.092;  // m
    std::vector<std::pair<std::wstring, Dir>> left, mid;

    // A row runs from its midline site to its lateral end in four equal steps; step s carries the
    // number 2s - 1 on the left (the right twin has 2s).
    struct Row {
        const wchar_t* prefix;     // of steps 1..3
        const wchar_t* endPrefix;  // of step 4
        double midTheta, midAz;
        double endTheta, endAz;
        bool steps[5];  // which of steps 1..4 exist
    };
    const Row rows[] = {
        {L"AF", L"AF", 67.5, 90.0, 90.0, 126.0, {false, false, true, false, true}},
        {L"F", L"F", 45.0, 90.0, 90.0, 144.0, {false, true, true, true, true}},
        {L"FC", L"FT", 22.5, 90.0, 90.0, 162.0, {false, true, true, true, true}},
        {L"C", L"T", 0.0, 90.0, 90.0, 180.0, {false, true, true, true, true}},
        {L"CP", L"TP", 22.5, 270.0, 90.0, 198.0, {false, true, true, true, true}},
        {L"P", L"P", 45.0, 270.0, 90.0, 216.0, {false, true, true, true, true}},
        {L"PO", L"PO", 67.5, 270.0, 90.0, 234.0, {false, false, true, false, true}},
    };
    mid.push_back({L"Fpz", direction(90.0, 90.0)});
    left.push_back({L"Fp1", direction(90.0, 108.0)});
    for (const Row& r : rows) {
        const Dir m = direction(r.midTheta, r.midAz), e = direction(r.endTheta, r.endAz);
        mid.push_back({std::wstring(r.prefix) + L"z", m});
        for (int s = 1; s <= 4; ++s) {
            if (!r.steps[s]) continue;
            left.push_back({std::wstring(s == 4 ? r.endPrefix : r.prefix) + std::to_wstring(2 * s - 1), slerp(m, e, s / 4.0)});
        }
    }
    left.push_back({L"P9", direction(112.5, 216.0)});
    left.push_back({L"O1", direction(90.0, 252.0)});
    mid.push_back({L"Oz", direction(90.0, 270.0)});
    mid.push_back({L"Iz", direction(112.5, 270.0)});

    auto rightName = [](const std::wstring& n) {
        size_t k = n.size();
        while (k > 0 && std::iswdigit(n[k - 1])) --k;
        return n.substr(0, k) + std::to_wstring(std::stoi(n.substr(k)) + 1);
    };
    std::vector<Site> sites;
    for (const auto& [name, u] : left) {
        sites.push_back(at(name, u, kCapCentreZ, kCapRadius));
        sites.push_back(at(rightName(name), Dir{-u.x, u.y, u.z}, kCapCentreZ, kCapRadius));
    }
    for (const auto& [name, u] : mid) sites.push_back(at(name, u, kCapCentreZ, kCapRadius));
    // Front to back, then left to right.
    std::stable_sort(sites.begin(), sites.end(), [](const Site& a, const Site& b) {
        if (std::fabs(a.y - b.y) > 1e-9) return a.y > b.y;
        return a.x < b.x;
    });
    return sites;
}

std::vector<Site> eegCap1020()
{
    static const wchar_t* const names[] = {L"Fp1", L"Fpz", L"Fp2", L"F7", L"F3", L"Fz", L"F4", L"F8", L"T7", L"C3", L"Cz",
                                           L"C4",  L"T8",  L"P7",  L"P3", L"Pz", L"P4", L"P8", L"O1", L"Oz", L"O2"};
    std::vector<Site> out;
    for (const Site& s : eegCap64())
        for (const wchar_t* n : names)
            if (s.name == n) out.push_back(s);
    return out;
}

std::vector<Site> spread(const std::vector<Site>& all, int n)
{
    std::vector<Site> out;
    const int size = static_cast<int>(all.size());
    n = std::clamp(n, 0, size);
    for (int k = 0; k < n; ++k) out.push_back(all[static_cast<size_t>(static_cast<long long>(k) * size / n)]);
    return out;
}

}  // namespace cxc::layouts
