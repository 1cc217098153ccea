#include "stdafx.h"

#include "sensormapfields.h"

#include "cxcsurface.h"

namespace cxc::maps {

SensorMapFields::SensorMapFields(ChnlType type) : clickedText(text::kNoSensorClicked), chnlType(type)
{
    linkPenBlack.CreatePen(PS_SOLID, 2, RGB(0, 0, 0));
    linkPenRed.CreatePen(PS_SOLID, 2, RGB(255, 0, 0));
    linkPenBlue.CreatePen(PS_SOLID, 2, RGB(0, 0, 255));
    textLogFont.lfHeight = 16;
    wcscpy(textLogFont.lfFaceName, L"Arial");
    textFont = new CFont;
    textFont->CreateFontIndirect(&textLogFont);
}

SensorMapFields::~SensorMapFields()
{
    releaseSurface();
    grid.cleanSnsrLoc2D();
    delete textFont;
}

void SensorMapFields::releaseSurface()
{
    cxc::gdi::releaseSurface(memBitmap, memDC);
}

}  // namespace cxc::maps
