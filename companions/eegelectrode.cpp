#include "eegelectrode.h"

#include "faults.h"

int CEEGelectrode::getElectrodePositionD(double& x, double& y, double& z)
{
    cxc::faults::hook("CEEGelectrode::getElectrodePositionD");
    x = x_;
    y = y_;
    z = z_;
    return 1;
}
