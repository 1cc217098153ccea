#include "magsensor.h"

#include "faults.h"

int CBscMagSns::getCoilPositionD(double& x, double& y, double& z)
{
    cxc::faults::hook("CBscMagSns::getCoilPositionD");
    x = x_;
    y = y_;
    z = z_;
    return 1;
}

CBscMagSns* CMEGSensor::getCoil(int i)
{
    cxc::faults::hook("CMEGSensor::getCoil");
    if (i < 0 || i >= getCoilCount()) return nullptr;
    return &coils_[static_cast<size_t>(i)];
}
