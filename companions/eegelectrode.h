// Electric sensor library: an EEG electrode at a 3-D head position (metres; x right, y front, z up).
#pragma once

class CEEGelectrode {
public:
    CEEGelectrode() = default;
    CEEGelectrode(double x, double y, double z) : x_(x), y_(y), z_(z) {}

    // The electrode's 3-D position; returns 1.
    int getElectrodePositionD(double& x, double& y, double& z);

private:
    double x_ = 0.0;  // m
    double y_ = 0.0;  // m
    double z_ = 0.0;  // m
};
