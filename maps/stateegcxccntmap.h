// Base of the EEG sensor map view, twin of the MEG base: the same shared fields with EEG channels
// and their 2-D electrode plane by default. It has no magnitude-style link fields. It finds the
// current trial, makes and fits the plane, draws electrodes and labels and hit-tests clicks.
#pragma once

#include "sensormapfields.h"

class AFX_EXT_CLASS CStatEEGCxcCntMap : public CStatic, public cxc::maps::SensorMapFields {
    DECLARE_DYNAMIC(CStatEEGCxcCntMap)
public:
    CStatEEGCxcCntMap();
    ~CStatEEGCxcCntMap() override;

    // 1 when the data set has a current session and trial (the plane is then made); 0 otherwise.
    int checkInitTrial();
    int projectSensors2D(int type);
    int collectSnsrLoc2D(int type);
    int fitSensorPlane();
    // 1 when a sensor was hit (or sensors are hidden); the hit sensor becomes the current column.
    int hitTestSensor(CPoint point, int mirror, int type);
    int drawSensors(CDC* dc, int mirror, int type);
    int drawSensorLabels(CDC* dc, int mirror, int type);
    int drawClickedText(CDC* dc);
};
