#include "mdchannel.h"

#include "faults.h"

CMDChannel0SensorInfo::CMDChannel0SensorInfo(const CMDChannel0SensorInfo& o)
    : CMDChannel(o),
      megX2d(o.megX2d), megY2d(o.megY2d), eegX2d(o.eegX2d), eegY2d(o.eegY2d),
      kind_(o.kind_), hasPosition_(o.hasPosition_), posX_(o.posX_), posY_(o.posY_), posZ_(o.posZ_),
      sensor_(o.sensor_ ? std::make_unique<CMEGSensorqz>(*o.sensor_) : nullptr),
      electrodes_(o.electrodes_), hasLayout_(o.hasLayout_), layoutX_(o.layoutX_), layoutY_(o.layoutY_)
{
}

int CMDChannel0SensorInfo::isMEGMeasureChannel()
{
    cxc::faults::hook("CMDChannel0SensorInfo::isMEGMeasureChannel");
    return kind_ == Kind::Meg ? 1 : 0;
}

int CMDChannel0SensorInfo::isEEGMeasureChannel()
{
    cxc::faults::hook("CMDChannel0SensorInfo::isEEGMeasureChannel");
    return kind_ == Kind::Eeg ? 1 : 0;
}

CMEGSensorqz* CMDChannel0SensorInfo::getMEGSensorqz()
{
    cxc::faults::hook("CMDChannel0SensorInfo::getMEGSensorqz");
    return kind_ == Kind::Meg ? sensor_.get() : nullptr;
}

CEEGelectrode* CMDChannel0SensorInfo::getEegElectrode(int i)
{
    cxc::faults::hook("CMDChannel0SensorInfo::getEegElectrode");
    if (kind_ != Kind::Eeg || i < 0 || i >= static_cast<int>(electrodes_.size())) return nullptr;
    return &electrodes_[static_cast<size_t>(i)];
}

void CMDChannel0SensorInfo::setPosition3D(double x, double y, double z)
{
    hasPosition_ = true;
    posX_ = x;
    posY_ = y;
    posZ_ = z;
    sensor_ = std::make_unique<CMEGSensorqz>();
    sensor_->addCoil(CBscMagSns(x, y, z));
    electrodes_.assign(1, CEEGelectrode(x, y, z));
}

void CMDChannel0SensorInfo::clearPosition3D()
{
    hasPosition_ = false;
    sensor_.reset();
    electrodes_.clear();
}

void CMDChannel0SensorInfo::dropCoils()
{
    hasPosition_ = false;
    sensor_ = std::make_unique<CMEGSensorqz>();
    electrodes_.clear();
}

bool CMDChannel0SensorInfo::position3D(double& x, double& y, double& z) const
{
    if (!hasPosition_) return false;
    x = posX_;
    y = posY_;
    z = posZ_;
    return true;
}

void CMDChannel0SensorInfo::setLayout(double x, double y)
{
    hasLayout_ = true;
    layoutX_ = x;
    layoutY_ = y;
}

std::unique_ptr<CMDChannelqz> CMDChannelqz::makeMeg(const CString& name, double x, double y, double z)
{
    auto ch = std::make_unique<CMDChannelqz>();
    ch->name = name;
    ch->setKind(Kind::Meg);
    ch->setPosition3D(x, y, z);
    return ch;
}

std::unique_ptr<CMDChannelqz> CMDChannelqz::makeEeg(const CString& name, double x, double y, double z)
{
    auto ch = std::make_unique<CMDChannelqz>();
    ch->name = name;
    ch->setKind(Kind::Eeg);
    ch->setPosition3D(x, y, z);
    return ch;
}

std::unique_ptr<CMDChannelqz> CMDChannelqz::makeOther(const CString& name)
{
    auto ch = std::make_unique<CMDChannelqz>();
    ch->name = name;
    return ch;
}
