#include "stdafx.h"

#include "statmegcclcntmap.h"

#include "sensorcore.h"

IMPLEMENT_DYNAMIC(CStatMEGCClCntMap, CStatic)

CStatMEGCClCntMap::CStatMEGCClCntMap() : SensorMapFields(ChnlTypeMeg)
{
    linkPenYellow.CreatePen(PS_SOLID, 2, RGB(255, 255, 0));
}

CStatMEGCClCntMap::~CStatMEGCClCntMap() = default;

int CStatMEGCClCntMap::checkInitTrial() { return cxc::maps::checkInitTrial(*this); }
int CStatMEGCClCntMap::projectSensors2D(int type) { return cxc::maps::projectSensors2D(*this, type); }
int CStatMEGCClCntMap::collectSnsrLoc2D(int type) { return cxc::maps::collectSnsrLoc2D(*this, type); }
int CStatMEGCClCntMap::fitSensorPlane() { return cxc::maps::fitSensorPlane(*this); }

int CStatMEGCClCntMap::hitTestSensor(CPoint point, int mirror, int type)
{
    return cxc::maps::hitTestSensor(*this, *this, point, mirror, type);
}

int CStatMEGCClCntMap::drawSensors(CDC* dc, int mirror, int type)
{
    return cxc::maps::drawSensors(*this, dc, mirror, type);
}

int CStatMEGCClCntMap::drawSensorLabels(CDC* dc, int mirror, int type)
{
    return cxc::maps::drawSensorLabels(*this, dc, mirror, type);
}

int CStatMEGCClCntMap::drawClickedText(CDC* dc) { return cxc::maps::drawClickedText(*this, dc); }
