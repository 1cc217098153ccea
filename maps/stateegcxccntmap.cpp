#include "stdafx.h"

#include "stateegcxccntmap.h"

#include "sensorcore.h"

IMPLEMENT_DYNAMIC(CStatEEGCxcCntMap, CStatic)

CStatEEGCxcCntMap::CStatEEGCxcCntMap() : SensorMapFields(ChnlTypeEeg) {}

CStatEEGCxcCntMap::~CStatEEGCxcCntMap() = default;

int CStatEEGCxcCntMap::checkInitTrial() { return cxc::maps::checkInitTrial(*this); }
int CStatEEGCxcCntMap::projectSensors2D(int type) { return cxc::maps::projectSensors2D(*this, type); }
int CStatEEGCxcCntMap::collectSnsrLoc2D(int type) { return cxc::maps::collectSnsrLoc2D(*this, type); }
int CStatEEGCxcCntMap::fitSensorPlane() { return cxc::maps::fitSensorPlane(*this); }

int CStatEEGCxcCntMap::hitTestSensor(CPoint point, int mirror, int type)
{
    return cxc::maps::hitTestSensor(*this, *this, point, mirror, type);
}

int CStatEEGCxcCntMap::drawSensors(CDC* dc, int mirror, int type)
{
    return cxc::maps::drawSensors(*this, dc, mirror, type);
}

int CStatEEGCxcCntMap::drawSensorLabels(CDC* dc, int mirror, int type)
{
    return cxc::maps::drawSensorLabels(*this, dc, mirror, type);
}

int CStatEEGCxcCntMap::drawClickedText(CDC* dc) { return cxc::maps::drawClickedText(*this, dc); }
