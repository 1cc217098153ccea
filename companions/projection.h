// Sensor positions onto a 2-D plane: the head seen from above, unrolled by an azimuthal equidistant
// projection about the centre of the sphere that fits the sensors best, then scanned to a size.
// Head coordinates: x right, y front (nose), z up. On the plane the nose points up and the right
// hemisphere lies on the right; the distance from the plane's origin is the angle (radians) between
// the sensor's direction and the vertical through the centre.
#pragma once

#include <vector>

namespace cxc::proj {

struct Point3 {
    double x, y, z;
};
struct Point2 {
    double x, y;
};

// Centre of the least-squares sphere |p - c|^2 = r^2 through the points (a linear system in c and
// r^2 - |c|^2). With fewer than four points, points that pin no sphere down (all on a plane or a
// line) or a non-finite result, the centre is below the points instead: (mean x, mean y,
// min z - largest horizontal distance from the mean), so that the projection keeps their order.
Point3 fitSphereCentre(const std::vector<Point3>& points);

// Azimuthal equidistant projection about the centre: a sensor straight above the centre maps to
// (0, 0), one on the centre's horizontal plane at distance pi/2.
Point2 azimuthalEquidistant(const Point3& p, const Point3& centre);

struct Extent {
    double minX = 0.0, maxX = 0.0, minY = 0.0, maxY = 0.0;
};

// Bounding box of the points; all zero for none.
Extent boundingBox(const std::vector<Point2>& points);

// Moves the points so that the minima are 0 and scales them uniformly so that the larger span is
// `size` (a single point, or points all at one place, end at 0). Returns the new extent.
Extent scanToSize(std::vector<Point2>& points, double size);

}  // namespace cxc::proj
