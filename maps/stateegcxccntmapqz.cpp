#include "stdafx.h"

#include "stateegcxccntmapqz.h"

#include "paintcore.h"

IMPLEMENT_DYNAMIC(CStatEEGCxcCntMapqz, CStatEEGCxcCntMap07Line)

BEGIN_MESSAGE_MAP(CStatEEGCxcCntMapqz, CStatEEGCxcCntMap07Line)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CStatEEGCxcCntMapqz::CStatEEGCxcCntMapqz() = default;

CStatEEGCxcCntMapqz::~CStatEEGCxcCntMapqz() { releaseSurface(); }

void CStatEEGCxcCntMapqz::OnPaint() { cxc::maps::onPaint(*this); }

int CStatEEGCxcCntMapqz::paintMap(CDC* dc, const CRect& rect) { return cxc::maps::paintMap(*this, dc, rect); }

int CStatEEGCxcCntMapqz::drawInfoLine(CDC* dc, const CRect& rect) { return cxc::maps::drawInfoLine(*this, dc, rect); }

int CStatEEGCxcCntMapqz::drawClipOverlay(CDC* dc, int w, int h) { return cxc::maps::drawClipOverlay(*this, dc, w, h); }
