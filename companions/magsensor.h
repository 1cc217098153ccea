// Magnetic sensor library: a coil at a 3-D head position and a MEG sensor made of coils. Head
// coordinates are in metres: x to the right ear, y to the nose, z up.
#pragma once

#include <vector>

class CBscMagSns {
public:
    CBscMagSns() = default;
    CBscMagSns(double x, double y, double z) : x_(x), y_(y), z_(z) {}

    // The coil's 3-D position; returns 1.
    int getCoilPositionD(double& x, double& y, double& z);

private:
    double x_ = 0.0;  // m
    double y_ = 0.0;  // m
    double z_ = 0.0;  // m
};

class CMEGSensor {
public:
    // Coil i, or null when the sensor has no such coil.
    CBscMagSns* getCoil(int i);
    int getCoilCount() const { return static_cast<int>(coils_.size()); }
    void addCoil(const CBscMagSns& coil) { coils_.push_back(coil); }

private:
    std::vector<CBscMagSns> coils_;
};

class CMEGSensorqz : public CMEGSensor {};
