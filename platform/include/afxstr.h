// CString: the wide string of the module, with MFC's members and Windows printf rules.
// Format understands the Windows format strings of the module: %I64d is 64-bit, %s and %c take wide
// arguments in a wide format, %S a narrow one. Pass str.GetString() through '...', never a CString.
#pragma once

#include <string>

#include "windows.h"

class CString {
public:
    CString() = default;
    CString(const wchar_t* s) : s_(s ? s : L"") {}
    CString(const wchar_t* s, int length) : s_(s && length > 0 ? std::wstring(s, static_cast<size_t>(length)) : std::wstring()) {}
    CString(wchar_t ch, int repeat = 1) : s_(repeat > 0 ? static_cast<size_t>(repeat) : 0, ch) {}
    explicit CString(const std::wstring& s) : s_(s) {}
    CString(const CString&) = default;
    CString(CString&&) noexcept = default;
    CString& operator=(const CString&) = default;
    CString& operator=(CString&&) noexcept = default;
    CString& operator=(const wchar_t* s) { s_ = s ? s : L""; return *this; }
    CString& operator=(wchar_t ch) { s_.assign(1, ch); return *this; }

    CString& operator+=(const CString& o) { s_ += o.s_; return *this; }
    CString& operator+=(const wchar_t* s) { if (s) s_ += s; return *this; }
    CString& operator+=(wchar_t ch) { s_ += ch; return *this; }

    // printf-style formatting with the Windows conventions above; returns nothing, as MFC's does.
    void Format(const wchar_t* format, ...);
    void AppendFormat(const wchar_t* format, ...);

    int GetLength() const noexcept { return static_cast<int>(s_.size()); }
    bool IsEmpty() const noexcept { return s_.empty(); }
    void Empty() noexcept { s_.clear(); }
    // An index outside the string gives 0, where MFC would assert.
    wchar_t GetAt(int i) const noexcept { return i >= 0 && i < GetLength() ? s_[static_cast<size_t>(i)] : L'\0'; }
    wchar_t operator[](int i) const noexcept { return GetAt(i); }
    void SetAt(int i, wchar_t ch) { if (i >= 0 && i < GetLength()) s_[static_cast<size_t>(i)] = ch; }

    // Counts beyond the string take the whole string; negative counts take nothing.
    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    int Find(const wchar_t* sub, int start = 0) const noexcept;
    int Find(wchar_t ch, int start = 0) const noexcept;
    int ReverseFind(wchar_t ch) const noexcept;
    int Replace(const wchar_t* oldText, const wchar_t* newText);
    CString& MakeUpper();
    CString& MakeLower();
    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();

    const wchar_t* GetString() const noexcept { return s_.c_str(); }
    operator const wchar_t*() const noexcept { return s_.c_str(); }

    // The buffer stays valid until the next change of the string; ReleaseBuffer cuts at the first
    // NUL (or at length when it is given).
    wchar_t* GetBuffer(int minLength = 0);
    wchar_t* GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

    int Compare(const wchar_t* s) const noexcept;
    int CompareNoCase(const wchar_t* s) const noexcept;
    bool operator==(const CString& o) const noexcept { return s_ == o.s_; }
    bool operator==(const wchar_t* s) const noexcept { return s_ == (s ? s : L""); }
    bool operator!=(const CString& o) const noexcept { return s_ != o.s_; }
    bool operator!=(const wchar_t* s) const noexcept { return !(*this == s); }
    bool operator<(const CString& o) const noexcept { return s_ < o.s_; }

    const std::wstring& str() const noexcept { return s_; }

private:
    std::wstring s_;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, const wchar_t* b);
CString operator+(const wchar_t* a, const CString& b);
CString operator+(const CString& a, wchar_t b);
inline bool operator==(const wchar_t* a, const CString& b) noexcept { return b == a; }
inline bool operator!=(const wchar_t* a, const CString& b) noexcept { return !(b == a); }

namespace cxc {
// UTF-8 at the edges of the program (files, command line, Qt, test output).
std::string toUtf8(const CString& s);
std::string toUtf8(const wchar_t* s);
CString fromUtf8(const std::string& s);
// The format rewrite that Format applies before vswprintf (exposed for tests).
std::wstring translateFormat(const wchar_t* format);
}  // namespace cxc
