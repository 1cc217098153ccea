#include "afxstr.h"

#include <algorithm>
#include <cstdarg>
#include <cwctype>
#include <vector>

namespace cxc {

// Windows printf to glibc wide printf: I64 -> ll, %s/%c take wide arguments in a wide format
// (glibc wants %ls/%lc), %S/%C take narrow ones (%s/%c), and h-sized strings stay narrow.
std::wstring translateFormat(const wchar_t* format)
{
    std::wstring out;
    if (!format) return out;
    const wchar_t* p = format;
    while (*p) {
        if (*p != L'%') { out += *p++; continue; }
        out += *p++;
        if (*p == L'%') { out += *p++; continue; }
        while (*p && std::wcschr(L"-+ #0", *p)) out += *p++;  // flags
        while (*p && (std::iswdigit(*p) || *p == L'*')) out += *p++;  // width
        if (*p == L'.') {
            out += *p++;
            while (*p && (std::iswdigit(*p) || *p == L'*')) out += *p++;  // precision
        }
        bool narrow = false, wide = false;
        if (p[0] == L'I' && p[1] == L'6' && p[2] == L'4') { out += L"ll"; p += 3; }
        else if (p[0] == L'I' && p[1] == L'3' && p[2] == L'2') { p += 3; }
        else if (*p == L'h') { narrow = true; p++; if (*p == L'h') { out += L"hh"; p++; narrow = false; } else if (*p != L's' && *p != L'c' && *p != L'S' && *p != L'C') out += L'h'; }
        else if (*p == L'l') { out += *p++; if (*p == L'l') out += *p++; else wide = true; }
        else if (*p == L'z' || *p == L'j' || *p == L't' || *p == L'L') out += *p++;
        if (!*p) break;
        wchar_t conv = *p++;
        switch (conv) {
        case L's': out += (narrow ? L"s" : (wide ? L"s" : L"ls")); break;  // 'wide' already wrote 'l'
        case L'c': out += (narrow ? L"c" : (wide ? L"c" : L"lc")); break;
        case L'S': out += (wide ? L"s" : L"s"); break;
        case L'C': out += L"c"; break;
        default: out += conv; break;
        }
    }
    return out;
}

std::string toUtf8(const wchar_t* s)
{
    std::string out;
    if (!s) return out;
    for (; *s; ++s) {
        auto c = static_cast<std::uint32_t>(*s);
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
        if (c < 0x80) out += static_cast<char>(c);
        else if (c < 0x800) { out += static_cast<char>(0xC0 | (c >> 6)); out += static_cast<char>(0x80 | (c & 0x3F)); }
        else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string toUtf8(const CString& s) { return toUtf8(s.GetString()); }

CString fromUtf8(const std::string& s)
{
    std::wstring out;
    size_t i = 0, n = s.size();
    while (i < n) {
        auto b = static_cast<unsigned char>(s[i]);
        std::uint32_t c = 0xFFFD;
        size_t len = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        if (len == 0 || i + len > n) { out += static_cast<wchar_t>(0xFFFD); ++i; continue; }
        if (len == 1) c = b;
        else {
            c = b & (0x7F >> len);
            bool ok = true;
            for (size_t k = 1; k < len; ++k) {
                auto cb = static_cast<unsigned char>(s[i + k]);
                if ((cb & 0xC0) != 0x80) { ok = false; break; }
                c = (c << 6) | (cb & 0x3F);
            }
            if (!ok) { out += static_cast<wchar_t>(0xFFFD); ++i; continue; }
        }
        out += static_cast<wchar_t>(c);
        i += len;
    }
    return CString(out);
}

}  // namespace cxc

namespace {

std::wstring vformat(const wchar_t* format, va_list args)
{
    if (!format) return std::wstring();
    const std::wstring fmt = cxc::translateFormat(format);
    // glibc's vswprintf returns -1 both for a short buffer and for an encoding error, so the
    // buffer grows up to a bound and then gives up with what fits.
    std::vector<wchar_t> buf(256);
    for (;;) {
        va_list copy;
        va_copy(copy, args);
        int n = std::vswprintf(buf.data(), buf.size(), fmt.c_str(), copy);
        va_end(copy);
        if (n >= 0 && static_cast<size_t>(n) < buf.size()) return std::wstring(buf.data(), static_cast<size_t>(n));
        if (buf.size() >= (size_t(1) << 24)) return std::wstring();
        buf.resize(buf.size() * 4);
    }
}

}  // namespace

void CString::Format(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    s_ = vformat(format, args);
    va_end(args);
}

void CString::AppendFormat(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    s_ += vformat(format, args);
    va_end(args);
}

CString CString::Left(int count) const
{
    if (count <= 0) return CString();
    return CString(s_.substr(0, std::min<size_t>(static_cast<size_t>(count), s_.size())));
}

CString CString::Right(int count) const
{
    if (count <= 0) return CString();
    if (static_cast<size_t>(count) >= s_.size()) return *this;
    return CString(s_.substr(s_.size() - static_cast<size_t>(count)));
}

CString CString::Mid(int first) const
{
    if (first < 0) first = 0;
    if (static_cast<size_t>(first) >= s_.size()) return CString();
    return CString(s_.substr(static_cast<size_t>(first)));
}

CString CString::Mid(int first, int count) const
{
    if (first < 0) first = 0;
    if (count <= 0 || static_cast<size_t>(first) >= s_.size()) return CString();
    return CString(s_.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

int CString::Find(const wchar_t* sub, int start) const noexcept
{
    if (!sub || start < 0 || static_cast<size_t>(start) > s_.size()) return -1;
    size_t p = s_.find(sub, static_cast<size_t>(start));
    return p == std::wstring::npos ? -1 : static_cast<int>(p);
}

int CString::Find(wchar_t ch, int start) const noexcept
{
    if (start < 0 || static_cast<size_t>(start) > s_.size()) return -1;
    size_t p = s_.find(ch, static_cast<size_t>(start));
    return p == std::wstring::npos ? -1 : static_cast<int>(p);
}

int CString::ReverseFind(wchar_t ch) const noexcept
{
    size_t p = s_.rfind(ch);
    return p == std::wstring::npos ? -1 : static_cast<int>(p);
}

int CString::Replace(const wchar_t* oldText, const wchar_t* newText)
{
    if (!oldText || !*oldText) return 0;
    std::wstring from(oldText), to(newText ? newText : L"");
    int count = 0;
    size_t pos = 0;
    while ((pos = s_.find(from, pos)) != std::wstring::npos) {
        s_.replace(pos, from.size(), to);
        pos += to.size();
        ++count;
    }
    return count;
}

CString& CString::MakeUpper()
{
    for (auto& c : s_) c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    return *this;
}

CString& CString::MakeLower()
{
    for (auto& c : s_) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return *this;
}

CString& CString::TrimLeft()
{
    size_t i = 0;
    while (i < s_.size() && std::iswspace(static_cast<wint_t>(s_[i]))) ++i;
    s_.erase(0, i);
    return *this;
}

CString& CString::TrimRight()
{
    size_t n = s_.size();
    while (n > 0 && std::iswspace(static_cast<wint_t>(s_[n - 1]))) --n;
    s_.erase(n);
    return *this;
}

CString& CString::Trim() { TrimRight(); return TrimLeft(); }

wchar_t* CString::GetBuffer(int minLength)
{
    if (minLength > 0 && static_cast<size_t>(minLength) > s_.size()) s_.resize(static_cast<size_t>(minLength), L'\0');
    return s_.data();
}

wchar_t* CString::GetBufferSetLength(int length)
{
    s_.resize(length > 0 ? static_cast<size_t>(length) : 0, L'\0');
    return s_.data();
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0) {
        size_t n = s_.find(L'\0');
        if (n != std::wstring::npos) s_.resize(n);
    } else if (static_cast<size_t>(newLength) <= s_.size()) {
        s_.resize(static_cast<size_t>(newLength));
    }
}

int CString::Compare(const wchar_t* s) const noexcept
{
    int c = s_.compare(s ? s : L"");
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

int CString::CompareNoCase(const wchar_t* s) const noexcept
{
    CString a(*this), b(s);
    a.MakeLower();
    b.MakeLower();
    return a.Compare(b.GetString());
}

CString operator+(const CString& a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, const wchar_t* b) { CString r(a); r += b; return r; }
CString operator+(const wchar_t* a, const CString& b) { CString r(a); r += b; return r; }
CString operator+(const CString& a, wchar_t b) { CString r(a); r += b; return r; }
