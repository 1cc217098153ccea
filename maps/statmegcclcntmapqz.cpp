#include "stdafx.h"

#include "statmegcclcntmapqz.h"

#include "paintcore.h"

IMPLEMENT_DYNAMIC(CStatMEGCClCntMapqz, CStatMEGCClCntMap07Lines)

BEGIN_MESSAGE_MAP(CStatMEGCClCntMapqz, CStatMEGCClCntMap07Lines)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CStatMEGCClCntMapqz::CStatMEGCClCntMapqz() = default;

CStatMEGCClCntMapqz::~CStatMEGCClCntMapqz() { releaseSurface(); }

void CStatMEGCClCntMapqz::OnPaint() { cxc::maps::onPaint(*this); }

int CStatMEGCClCntMapqz::paintMap(CDC* dc, const CRect& rect) { return cxc::maps::paintMap(*this, dc, rect); }

int CStatMEGCClCntMapqz::drawInfoLine(CDC* dc, const CRect& rect) { return cxc::maps::drawInfoLine(*this, dc, rect); }

int CStatMEGCClCntMapqz::drawClipOverlay(CDC* dc, int w, int h) { return cxc::maps::drawClipOverlay(*this, dc, w, h); }
