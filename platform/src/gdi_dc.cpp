// Device contexts: making and deleting them, the surface they draw on, object selection, the text and
// background attributes, SaveDC/RestoreDC and the handle registry behind CDC::FromHandle.
#include <unordered_map>

#include "gdi_internal.h"

namespace cxc::gdi {
namespace {

// Never destroyed, as the object registry.
std::unordered_map<HDC, DcState*>& dcRegistry()
{
    static auto* r = new std::unordered_map<HDC, DcState*>;
    return *r;
}

// A fresh record gets the default state (black one-pixel pen, white brush, the default font) and a
// handle.
void initDcState(DcState* s, CDC* owner, bool memory)
{
    s->owner = owner;
    s->memory = memory;
    s->pen = stockObject(BLACK_PEN);
    s->brush = stockObject(WHITE_BRUSH);
    s->font = stockObject(SYSTEM_FONT);
    holdObject(s->pen);
    holdObject(s->brush);
    holdObject(s->font);
    s->penAttr = penAttrOf(s->pen->pen);
    if (memory) {
        s->bitmap = stockObject(kStockBitmap);
        holdObject(s->bitmap);
        s->bitmapSurface = s->bitmap->surface;
    }
    s->handle = reinterpret_cast<HDC>(newHandleValue());
    dcRegistry().emplace(s->handle, s);
    countDc(+1);
}

void releaseSaved(const SavedDc& saved)
{
    releaseObject(saved.pen);
    releaseObject(saved.brush);
    releaseObject(saved.font);
}

// Puts the object into the DC and returns the wrapper of the one it replaces.
CGdiObject* selectInto(DcState* s, ObjectData* d)
{
    if (!s || !d) return nullptr;
    ObjectData** slot = nullptr;
    switch (d->kind) {
    case Kind::Pen: slot = &s->pen; break;
    case Kind::Brush: slot = &s->brush; break;
    case Kind::Font: slot = &s->font; break;
    case Kind::Bitmap:
        // A bitmap lives in one memory DC at a time.
        if (!s->memory) return nullptr;
        if (d != s->bitmap && !d->stock && d->selections > 0) return nullptr;
        slot = &s->bitmap;
        break;
    }
    ObjectData* previous = *slot;
    CGdiObject* previousWrapper = wrapperOf(previous);  // before the release may free an orphan
    if (previous == d) return previousWrapper;
    holdObject(d);
    *slot = d;
    switch (d->kind) {
    case Kind::Pen: s->penAttr = penAttrOf(d->pen); break;
    case Kind::Brush:
        s->brushColor = d->brushColor;
        s->hollowBrush = d->hollowBrush;
        break;
    case Kind::Font: break;
    case Kind::Bitmap: s->bitmapSurface = d->surface; break;
    }
    releaseObject(previous);
    return previousWrapper;
}

}  // namespace

DcState* findDc(HDC h)
{
    if (!h) return nullptr;
    auto& dcs = dcRegistry();
    const auto it = dcs.find(h);
    return it == dcs.end() ? nullptr : it->second;
}

DcState* dcStateOf(const CDC& dc) { return findDc(dc.m_hDC); }

DcStateGuard::DcStateGuard(CDC& dc) : dc_(dc), saved_(dc.SaveDC()) {}

DcStateGuard::~DcStateGuard()
{
    if (saved_ > 0) dc_.RestoreDC(saved_);
}

}  // namespace cxc::gdi

using namespace cxc::gdi;

CDC::CDC() = default;

CDC::~CDC()
{
    if (state_ && state_->owner == this) DeleteDC();
}

CDC* CDC::FromHandle(HDC h)
{
    DcState* s = findDc(h);
    return s ? s->owner : nullptr;
}

BOOL CDC::CreateCompatibleDC(CDC* /*dc*/)
{
    if (state_) return FALSE;
    state_ = new State;
    initDcState(state_, this, /*memory*/ true);
    m_hDC = m_hAttribDC = state_->handle;
    return TRUE;
}

BOOL CDC::DeleteDC()
{
    if (!state_) return FALSE;
    State* s = state_;
    for (const SavedDc& saved : s->saved) releaseSaved(saved);
    releaseObject(s->pen);
    releaseObject(s->brush);
    releaseObject(s->font);
    releaseObject(s->bitmap);
    dcRegistry().erase(s->handle);
    countDc(-1);
    if (s->owner && s->owner != this) {
        s->owner->state_ = nullptr;
        s->owner->m_hDC = s->owner->m_hAttribDC = nullptr;
    }
    delete s;
    state_ = nullptr;
    m_hDC = m_hAttribDC = nullptr;
    return TRUE;
}

BOOL CDC::AttachSurface(Surface* surface)
{
    if (!surface) return FALSE;
    if (!state_) {
        state_ = new State;
        initDcState(state_, this, /*memory*/ false);
        m_hDC = m_hAttribDC = state_->handle;
    }
    state_->external = surface;
    return TRUE;
}

void CDC::DetachSurface()
{
    if (state_) state_->external = nullptr;
}

Surface* CDC::surface() const { return state_ ? state_->target() : nullptr; }

// ---- selection ----------------------------------------------------------------------------------

CPen* CDC::SelectObject(CPen* pen)
{
    ObjectData* d = pen ? findObject(pen->m_hObject) : nullptr;
    return d && d->kind == Kind::Pen ? static_cast<CPen*>(selectInto(state_, d)) : nullptr;
}

CFont* CDC::SelectObject(CFont* font)
{
    ObjectData* d = font ? findObject(font->m_hObject) : nullptr;
    return d && d->kind == Kind::Font ? static_cast<CFont*>(selectInto(state_, d)) : nullptr;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    ObjectData* d = bitmap ? findObject(bitmap->m_hObject) : nullptr;
    return d && d->kind == Kind::Bitmap ? static_cast<CBitmap*>(selectInto(state_, d)) : nullptr;
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    ObjectData* d = brush ? findObject(brush->m_hObject) : nullptr;
    return d && d->kind == Kind::Brush ? static_cast<CBrush*>(selectInto(state_, d)) : nullptr;
}

CGdiObject* CDC::SelectObject(CGdiObject* object)
{
    return selectInto(state_, object ? findObject(object->m_hObject) : nullptr);
}

CGdiObject* CDC::SelectStockObject(int index) { return selectInto(state_, stockObject(index)); }

CPen* CDC::GetCurrentPen() const { return state_ ? static_cast<CPen*>(wrapperOf(state_->pen)) : nullptr; }
CFont* CDC::GetCurrentFont() const { return state_ ? static_cast<CFont*>(wrapperOf(state_->font)) : nullptr; }
CBitmap* CDC::GetCurrentBitmap() const { return state_ ? static_cast<CBitmap*>(wrapperOf(state_->bitmap)) : nullptr; }

// ---- attributes ---------------------------------------------------------------------------------

COLORREF CDC::SetTextColor(COLORREF color)
{
    if (!state_) return CLR_INVALID;
    const COLORREF old = state_->textColor;
    state_->textColor = color & 0x00FFFFFFu;
    return old;
}

COLORREF CDC::GetTextColor() const { return state_ ? state_->textColor : CLR_INVALID; }

COLORREF CDC::SetBkColor(COLORREF color)
{
    if (!state_) return CLR_INVALID;
    const COLORREF old = state_->bkColor;
    state_->bkColor = color & 0x00FFFFFFu;
    return old;
}

COLORREF CDC::GetBkColor() const { return state_ ? state_->bkColor : CLR_INVALID; }

int CDC::SetBkMode(int mode)
{
    if (!state_ || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    const int old = state_->bkMode;
    state_->bkMode = mode;
    return old;
}

int CDC::GetBkMode() const { return state_ ? state_->bkMode : 0; }

int CDC::SetStretchBltMode(int mode)
{
    if (!state_ || mode < BLACKONWHITE || mode > HALFTONE) return 0;
    const int old = state_->stretchMode;
    state_->stretchMode = mode;
    return old;
}

int CDC::GetStretchBltMode() const { return state_ ? state_->stretchMode : 0; }

UINT CDC::SetTextAlign(UINT flags)
{
    if (!state_) return 0xFFFFFFFFu;  // GDI_ERROR
    const UINT old = state_->textAlign;
    state_->textAlign = flags & (TA_UPDATECP | TA_CENTER | TA_BASELINE);
    return old;
}

UINT CDC::GetTextAlign() const { return state_ ? state_->textAlign : 0xFFFFFFFFu; }

CPoint CDC::MoveTo(int x, int y)
{
    if (!state_) return CPoint();
    const CPoint old(state_->pos);
    state_->pos = POINT{x, y};
    state_->stylePos = 0;
    return old;
}

CPoint CDC::GetCurrentPosition() const { return state_ ? CPoint(state_->pos) : CPoint(); }

int CDC::SaveDC()
{
    if (!state_) return 0;
    SavedDc saved;
    saved.pen = state_->pen;
    saved.brush = state_->brush;
    saved.font = state_->font;
    saved.textColor = state_->textColor;
    saved.bkColor = state_->bkColor;
    saved.bkMode = state_->bkMode;
    saved.stretchMode = state_->stretchMode;
    saved.textAlign = state_->textAlign;
    saved.pos = state_->pos;
    holdObject(saved.pen);
    holdObject(saved.brush);
    holdObject(saved.font);
    state_->saved.push_back(saved);
    return static_cast<int>(state_->saved.size());
}

BOOL CDC::RestoreDC(int savedDC)
{
    if (!state_) return FALSE;
    const int depth = static_cast<int>(state_->saved.size());
    const int level = savedDC < 0 ? depth + 1 + savedDC : savedDC;
    if (level < 1 || level > depth) return FALSE;
    const SavedDc target = state_->saved[static_cast<std::size_t>(level - 1)];
    for (int k = depth - 1; k >= level; --k) releaseSaved(state_->saved[static_cast<std::size_t>(k)]);
    state_->saved.resize(static_cast<std::size_t>(level - 1));
    // The saved entry's holds become the DC's own.
    releaseObject(state_->pen);
    releaseObject(state_->brush);
    releaseObject(state_->font);
    state_->pen = target.pen;
    state_->brush = target.brush;
    state_->font = target.font;
    state_->penAttr = penAttrOf(target.pen->pen);
    state_->brushColor = target.brush->brushColor;
    state_->hollowBrush = target.brush->hollowBrush;
    state_->textColor = target.textColor;
    state_->bkColor = target.bkColor;
    state_->bkMode = target.bkMode;
    state_->stretchMode = target.stretchMode;
    state_->textAlign = target.textAlign;
    state_->pos = target.pos;
    return TRUE;
}
