// Base of the MEG sensor map view: the fields every layer shares, plus the MEG-only link fields
// (the yellow pattern pen of the magnitude styles, polarity, colour-link and range). It finds the
// current trial, makes and fits the 2-D sensor plane, draws sensors and labels and hit-tests clicks.
#pragma once

#include "sensormapfields.h"

class AFX_EXT_CLASS CStatMEGCClCntMap : public CStatic, public cxc::maps::SensorMapFields {
    DECLARE_DYNAMIC(CStatMEGCClCntMap)
public:
    CStatMEGCClCntMap();
    ~CStatMEGCClCntMap() override;

    CPen linkPenYellow;         // solid, 2 px: pattern of every magnitude-style link pen
    int polarityView = 0;       // magnitude styles: one ramp for all links (0) or one per sign
    int colorLink = 1;          // "Color Link" of the link dialog; kept, no drawing reads it
    double linkRangeMax = 1.0;  // |mean| that gets the last colour of a magnitude ramp

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
