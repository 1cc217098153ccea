// Dialog data exchange: UpdateData, CDataExchange and the DDX/DDV functions with MFC's texts.
// Numbers are read and written in the C locale whatever the desktop's locale is, so "0.005" means
// the same everywhere.
#include <QLineEdit>
#include <QWidget>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cwchar>
#include <cwctype>
#include <limits>
#include <locale.h>
#include <string>

#include "wnd_internal.h"

using namespace cxc::wnd;

namespace {

constexpr const wchar_t* kParseInt = L"Please enter an integer.";
constexpr const wchar_t* kParseUInt = L"Please enter a positive integer.";
constexpr const wchar_t* kParseReal = L"Please enter a number.";

bool blank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f'; }

// Optional blanks, an optional sign, decimal digits, optional blanks; the value must lie in
// [lo, hi]. A value out of range is refused rather than silently cut to the limit.
bool parseInteger(const std::wstring& text, long long lo, long long hi, long long& out)
{
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && blank(text[i])) ++i;
    bool negative = false;
    if (i < n && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
    const size_t digits = i;
    unsigned long long magnitude = 0;
    bool overflow = false;
    while (i < n && text[i] >= L'0' && text[i] <= L'9') {
        const unsigned d = static_cast<unsigned>(text[i] - L'0');
        if (magnitude > (std::numeric_limits<unsigned long long>::max() - d) / 10) overflow = true;
        else magnitude = magnitude * 10 + d;
        ++i;
    }
    if (i == digits) return false;
    while (i < n && blank(text[i])) ++i;
    if (i != n || overflow) return false;
    constexpr unsigned long long limit = static_cast<unsigned long long>(std::numeric_limits<long long>::max());
    long long v = 0;
    if (negative) {
        if (magnitude > limit + 1) return false;
        v = magnitude == limit + 1 ? std::numeric_limits<long long>::min() : -static_cast<long long>(magnitude);
    } else {
        if (magnitude > limit) return false;
        v = static_cast<long long>(magnitude);
    }
    if (v < lo || v > hi) return false;
    out = v;
    return true;
}

locale_t cLocale()
{
    static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

// wcstod plus MFC's rule: a text that reads as 0 must start with '0'; trailing text other than
// blanks fails; and, beyond MFC, the number must be finite ("nan", "inf" and "1e999" fail).
bool parseReal(const std::wstring& text, double& out)
{
    const wchar_t* p = text.c_str();
    while (*p == L' ' || *p == L'\t') ++p;
    const wchar_t first = *p;
    wchar_t* end = nullptr;
    const double d = wcstod_l(p, &end, cLocale());
    if (end == p) return false;
    if (d == 0.0 && first != L'0') return false;
    while (*end == L' ' || *end == L'\t') ++end;
    if (*end != L'\0') return false;
    if (!std::isfinite(d)) return false;
    out = d;
    return true;
}

std::wstring formatReal(double v)
{
    // "%.15g" without the locale: C++'s general format with 15 significant digits.
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
    return std::wstring(buf, r.ptr);
}

std::wstring windowText(HWND h)
{
    const Window* w = find(h);
    return w ? w->text : std::wstring();
}

// Writes a control's text only when it differs, as MFC does, so an unchanged edit stays quiet.
void setTextIfDifferent(HWND h, const std::wstring& text)
{
    if (windowText(h) == text) return;
    send(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

template <class T>
void exchangeInteger(CDataExchange* dx, int id, T& value, const wchar_t* prompt)
{
    if (!dx) return;
    const HWND h = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate) {
        long long v = 0;
        if (!parseInteger(windowText(h), static_cast<long long>(std::numeric_limits<T>::min()),
                          static_cast<long long>(std::numeric_limits<T>::max()), v)) {
            AfxMessageBox(prompt);
            dx->Fail();
        }
        value = static_cast<T>(v);
    } else {
        setTextIfDifferent(h, std::to_wstring(value));
    }
}

std::wstring formatRange(const wchar_t* prompt, const std::wstring& lo, const std::wstring& hi)
{
    return std::wstring(prompt) + L" between " + lo + L" and " + hi + L".";
}

}  // namespace

// ---- UpdateData -------------------------------------------------------------------------------------

BOOL CWnd::UpdateData(BOOL saveAndValidate)
{
    if (!find(m_hWnd)) return FALSE;
    CDataExchange dx(this, saveAndValidate);
    Core& c = core();
    // Control notifications to this window are dropped while it exchanges, so writing a text does
    // not re-enter its EN_CHANGE handlers.
    const HWND previous = c.lockout;
    c.lockout = m_hWnd;
    BOOL ok = FALSE;
    try {
        DoDataExchange(&dx);
        ok = TRUE;
    } catch (CUserException&) {
        // the user has been told; the exchanges made before the failing one keep their values
    } catch (CException& e) {
        e.ReportError(MB_ICONEXCLAMATION, L"An internal application error has occurred.");
    } catch (...) {
        c.lockout = previous;
        throw;
    }
    c.lockout = previous;
    return ok;
}

// ---- CDataExchange ------------------------------------------------------------------------------------

CDataExchange::CDataExchange(CWnd* dialog, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog)
{
}

HWND CDataExchange::PrepareCtrl(int id)
{
    const Window* dlg = m_pDlgWnd ? find(m_pDlgWnd->m_hWnd) : nullptr;
    const Window* c = dlg && id != 0 && id != IDC_STATIC ? childById(*dlg, id) : nullptr;
    if (!c) AfxThrowNotSupportedException();
    m_idLastControl = static_cast<UINT>(id);
    m_bEditLastControl = FALSE;
    return c->handle;
}

HWND CDataExchange::PrepareEditCtrl(int id)
{
    HWND h = PrepareCtrl(id);
    m_bEditLastControl = TRUE;
    return h;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_idLastControl && m_pDlgWnd && !headless()) {
        // The offending field gets the focus, its text selected, ready to be corrected.
        if (const Window* dlg = find(m_pDlgWnd->m_hWnd)) {
            if (Window* c = childById(*dlg, static_cast<int>(m_idLastControl)); c && c->widget) {
                c->widget->setFocus();
                if (auto* e = qobject_cast<QLineEdit*>(c->widget.data()); e && m_bEditLastControl) e->selectAll();
            }
        }
    }
    AfxThrowUserException();
}

// ---- DDX / DDV -----------------------------------------------------------------------------------------

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (!dx || control.m_hWnd) return;
    const HWND h = dx->PrepareCtrl(id);
    if (!control.SubclassWindow(h)) AfxThrowNotSupportedException();
}

void DDX_Text(CDataExchange* dx, int id, int& value) { exchangeInteger(dx, id, value, kParseInt); }
void DDX_Text(CDataExchange* dx, int id, UINT& value) { exchangeInteger(dx, id, value, kParseUInt); }
void DDX_Text(CDataExchange* dx, int id, long long& value) { exchangeInteger(dx, id, value, kParseInt); }
void DDX_Text(CDataExchange* dx, int id, long& value) { exchangeInteger(dx, id, value, kParseInt); }

void DDX_Text(CDataExchange* dx, int id, double& value)
{
    if (!dx) return;
    const HWND h = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate) {
        double v = 0.0;
        if (!parseReal(windowText(h), v)) {
            AfxMessageBox(kParseReal);
            dx->Fail();
        }
        value = v;
    } else {
        setTextIfDifferent(h, formatReal(value));
    }
}

void DDX_Text(CDataExchange* dx, int id, CString& value)
{
    if (!dx) return;
    const HWND h = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = CString(windowText(h));
    } else {
        setTextIfDifferent(h, value.str());
    }
}

void DDX_Check(CDataExchange* dx, int id, int& value)
{
    if (!dx) return;
    const HWND h = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = static_cast<int>(send(h, BM_GETCHECK));
    } else {
        if (value < 0 || value > 2) value = BST_UNCHECKED;  // MFC's default for a value out of range
        send(h, BM_SETCHECK, static_cast<WPARAM>(value));
    }
}

void DDX_Radio(CDataExchange* dx, int id, int& value)
{
    if (!dx) return;
    const HWND first = dx->PrepareCtrl(id);
    const Window* f = find(first);
    const Window* parent = f ? find(f->parent) : nullptr;
    if (!parent) return;
    if (dx->m_bSaveAndValidate) value = -1;
    const auto& ch = parent->children;
    auto it = std::find(ch.begin(), ch.end(), first);
    int index = 0;
    // The group: this button and the controls after it in template order, up to the next WS_GROUP.
    for (; it != ch.end(); ++it) {
        Window* c = find(*it);
        if (!c) continue;
        if (*it != first && (c->style & WS_GROUP)) break;
        if (c->kind != Kind::RadioButton) continue;
        if (dx->m_bSaveAndValidate) {
            if (send(*it, BM_GETCHECK) != BST_UNCHECKED) value = index;
        } else {
            send(*it, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED);
        }
        ++index;
    }
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index)
{
    if (!dx) return;
    const HWND h = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        index = static_cast<int>(send(h, CB_GETCURSEL));
    } else {
        send(h, CB_SETCURSEL, static_cast<WPARAM>(index));
    }
}

void DDV_MinMaxInt(CDataExchange* dx, int value, int minVal, int maxVal)
{
    DDV_MinMaxLongLong(dx, value, minVal, maxVal);
}

void DDV_MinMaxLongLong(CDataExchange* dx, long long value, long long minVal, long long maxVal)
{
    if (!dx || !dx->m_bSaveAndValidate) return;  // loading out-of-range data is not the user's fault
    if (value >= minVal && value <= maxVal) return;
    const std::wstring text = formatRange(L"Please enter an integer", std::to_wstring(minVal), std::to_wstring(maxVal));
    AfxMessageBox(text.c_str(), MB_ICONEXCLAMATION);
    dx->Fail();
}

void DDV_MinMaxDouble(CDataExchange* dx, double const& value, double minVal, double maxVal)
{
    if (!dx || !dx->m_bSaveAndValidate) return;
    if (value >= minVal && value <= maxVal) return;
    const std::wstring text = formatRange(L"Please enter a number", formatReal(minVal), formatReal(maxVal));
    AfxMessageBox(text.c_str(), MB_ICONEXCLAMATION);
    dx->Fail();
}
