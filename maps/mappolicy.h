// What differs between the MEG and the EEG view, and nothing else: the default channel type, the
// link styles each knows, the shape of the interpolation grid, and where the graph report finds a
// node's 3-D position (coil 0 of the MEG sensor, or electrode 0). The shared cores take one of these
// as a template argument or read its constants.
#pragma once

#include "cxccompanions.h"
#include "mapdefs.h"

namespace cxc::maps {

enum class LinkStyle { Plain, Signed, Magnitude };

struct MegSensors {
    static constexpr ChnlType chnlType = ChnlTypeMeg;
    static constexpr bool magnitudeStyles = true;
    static constexpr bool squareGrid = true;  // grid n x n from the horizontal span
    // 1 signed, 2 and above the magnitude styles; 0 and anything below it plain.
    static LinkStyle linkStyleOf(int style)
    {
        return style == 1 ? LinkStyle::Signed : style >= 2 ? LinkStyle::Magnitude : LinkStyle::Plain;
    }
    using Node = CMEGSensorqz;
    static Node* node(CMDChannelqz& channel) { return channel.getMEGSensorqz(); }
    // Coil 0's position; false when the sensor has no coil 0 (the whole report is then empty).
    static bool position(Node& sensor, double& x, double& y, double& z)
    {
        CBscMagSns* coil = sensor.getCoil(0);
        if (!coil) return false;
        coil->getCoilPositionD(x, y, z);
        return true;
    }
};

struct EegElectrodes {
    static constexpr ChnlType chnlType = ChnlTypeEeg;
    static constexpr bool magnitudeStyles = false;
    static constexpr bool squareGrid = false;  // each grid side from its own span
    // 0 plain, any other value signed.
    static LinkStyle linkStyleOf(int style) { return style == 0 ? LinkStyle::Plain : LinkStyle::Signed; }
    using Node = CEEGelectrode;
    static Node* node(CMDChannelqz& channel) { return channel.getEegElectrode(0); }
    static bool position(Node& electrode, double& x, double& y, double& z)
    {
        electrode.getElectrodePositionD(x, y, z);
        return true;
    }
};

}  // namespace cxc::maps
