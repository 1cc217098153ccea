#include "projection.h"

#include <algorithm>
#include <cmath>

namespace cxc::proj {
namespace {

// Solves the 4x4 system in place by Gaussian elimination with partial pivoting; false when a pivot
// is negligible against the matrix's scale (the points do not determine a sphere).
bool solve4(double a[4][4], double b[4], double out[4])
{
    double scale = 0.0;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) scale = std::max(scale, std::fabs(a[i][j]));
    if (!(scale > 0.0) || !std::isfinite(scale)) return false;
    for (int col = 0; col < 4; ++col) {
        int piv = col;
        for (int r = col + 1; r < 4; ++r)
            if (std::fabs(a[r][col]) > std::fabs(a[piv][col])) piv = r;
        if (!(std::fabs(a[piv][col]) > scale * 1e-12)) return false;
        if (piv != col) {
            for (int j = 0; j < 4; ++j) std::swap(a[piv][j], a[col][j]);
            std::swap(b[piv], b[col]);
        }
        for (int r = col + 1; r < 4; ++r) {
            double f = a[r][col] / a[col][col];
            for (int j = col; j < 4; ++j) a[r][j] -= f * a[col][j];
            b[r] -= f * b[col];
        }
    }
    for (int r = 3; r >= 0; --r) {
        double s = b[r];
        for (int j = r + 1; j < 4; ++j) s -= a[r][j] * out[j];
        out[r] = s / a[r][r];
    }
    return true;
}

}  // namespace

Point3 fitSphereCentre(const std::vector<Point3>& points)
{
    const size_t n = points.size();
    if (n == 0) return {0.0, 0.0, 0.0};
    double mx = 0.0, my = 0.0, mz = 0.0, minZ = points[0].z;
    for (const auto& p : points) {
        mx += p.x;
        my += p.y;
        mz += p.z;
        minZ = std::min(minZ, p.z);
    }
    mx /= static_cast<double>(n);
    my /= static_cast<double>(n);
    mz /= static_cast<double>(n);

    if (n >= 4) {
        // Centred coordinates keep the normal equations well conditioned.
        double a[4][4] = {};
        double b[4] = {};
        for (const auto& p : points) {
            const double x = p.x - mx, y = p.y - my, z = p.z - mz;
            const double row[4] = {2.0 * x, 2.0 * y, 2.0 * z, 1.0};
            const double rhs = x * x + y * y + z * z;
            for (int i = 0; i < 4; ++i) {
                for (int j = 0; j < 4; ++j) a[i][j] += row[i] * row[j];
                b[i] += row[i] * rhs;
            }
        }
        double c[4] = {};
        if (solve4(a, b, c)) {
            const double r2 = c[3] + c[0] * c[0] + c[1] * c[1] + c[2] * c[2];
            Point3 centre{c[0] + mx, c[1] + my, c[2] + mz};
            if (r2 > 0.0 && std::isfinite(r2) && std::isfinite(centre.x) && std::isfinite(centre.y) &&
                std::isfinite(centre.z))
                return centre;
        }
    }
    double reach = 0.0;
    for (const auto& p : points) reach = std::max(reach, std::hypot(p.x - mx, p.y - my));
    if (!(reach > 0.0) || !std::isfinite(reach)) reach = 1.0;
    return {mx, my, minZ - reach};
}

Point2 azimuthalEquidistant(const Point3& p, const Point3& centre)
{
    const double vx = p.x - centre.x, vy = p.y - centre.y, vz = p.z - centre.z;
    const double h = std::hypot(vx, vy);
    if (!(h > 0.0)) return {0.0, 0.0};
    const double theta = std::atan2(h, vz);
    return {theta * vx / h, theta * vy / h};
}

Extent boundingBox(const std::vector<Point2>& points)
{
    Extent e;
    if (points.empty()) return e;
    e.minX = e.maxX = points[0].x;
    e.minY = e.maxY = points[0].y;
    for (const auto& p : points) {
        e.minX = std::min(e.minX, p.x);
        e.maxX = std::max(e.maxX, p.x);
        e.minY = std::min(e.minY, p.y);
        e.maxY = std::max(e.maxY, p.y);
    }
    return e;
}

Extent scanToSize(std::vector<Point2>& points, double size)
{
    const Extent box = boundingBox(points);
    const double span = std::max(box.maxX - box.minX, box.maxY - box.minY);
    const double s = span > 0.0 ? size / span : 0.0;
    for (auto& p : points) {
        p.x = (p.x - box.minX) * s;
        p.y = (p.y - box.minY) * s;
    }
    Extent e;
    e.maxX = (box.maxX - box.minX) * s;
    e.maxY = (box.maxY - box.minY) * s;
    return e;
}

}  // namespace cxc::proj
