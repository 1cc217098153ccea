// Recording data library, channels: a channel's name, its measurement type with the sensor or
// electrode geometry, and its positions on the trial's MEG and EEG 2-D planes.
#pragma once

#include <memory>
#include <vector>

#include "afxstr.h"
#include "eegelectrode.h"
#include "magsensor.h"

class CMDChannel {
public:
    CString name;  // label ("MLF11", "Fp1")
};

class CMDChannel0SensorInfo : public CMDChannel {
public:
    // 2-D plane positions (plane units), written by the trial's projection and scan.
    double megX2d = 0.0;
    double megY2d = 0.0;
    double eegX2d = 0.0;
    double eegY2d = 0.0;

    int isMEGMeasureChannel();
    int isEEGMeasureChannel();
    // The MEG sensor (null for other channels or a MEG channel without geometry).
    CMEGSensorqz* getMEGSensorqz();
    // Electrode i (null for other channels, missing geometry or an index out of range).
    CEEGelectrode* getEegElectrode(int i);

    enum class Kind { Other, Meg, Eeg };
    Kind kind() const { return kind_; }
    void setKind(Kind k) { kind_ = k; }
    // Geometry: a MEG channel gets a sensor with one coil, an EEG channel one electrode.
    void setPosition3D(double x, double y, double z);
    void clearPosition3D();
    // Keeps a MEG sensor without coils (and an EEG channel without electrodes).
    void dropCoils();
    bool hasPosition3D() const { return hasPosition_; }
    // Coil 0 or electrode 0, without the fault hooks; false without geometry.
    bool position3D(double& x, double& y, double& z) const;
    // A 2-D layout position given with the data (plane units), used instead of a projection.
    void setLayout(double x, double y);
    void clearLayout() { hasLayout_ = false; }
    bool hasLayout() const { return hasLayout_; }
    double layoutX() const { return layoutX_; }
    double layoutY() const { return layoutY_; }

protected:
    CMDChannel0SensorInfo() = default;
    CMDChannel0SensorInfo(const CMDChannel0SensorInfo& o);
    CMDChannel0SensorInfo& operator=(const CMDChannel0SensorInfo&) = delete;

private:
    Kind kind_ = Kind::Other;
    bool hasPosition_ = false;
    double posX_ = 0.0, posY_ = 0.0, posZ_ = 0.0;  // m
    std::unique_ptr<CMEGSensorqz> sensor_;
    std::vector<CEEGelectrode> electrodes_;
    bool hasLayout_ = false;
    double layoutX_ = 0.0, layoutY_ = 0.0;  // plane units
};

class CMDChannelqz : public CMDChannel0SensorInfo {
public:
    CMDChannelqz() = default;
    CMDChannelqz(const CMDChannelqz& o) = default;

    static std::unique_ptr<CMDChannelqz> makeMeg(const CString& name, double x, double y, double z);
    static std::unique_ptr<CMDChannelqz> makeEeg(const CString& name, double x, double y, double z);
    static std::unique_ptr<CMDChannelqz> makeOther(const CString& name);
    std::unique_ptr<CMDChannelqz> clone() const { return std::make_unique<CMDChannelqz>(*this); }
};
