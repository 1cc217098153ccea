// CString: the members the module uses and Format with every format string the module writes.
#include <gtest/gtest.h>

#include "afxstr.h"

namespace {

TEST(CStringFormat, WindowsConversionsOfTheModule)
{
    CString s;
    s.Format(L"%0.1f->%0.1f=%0.1fms (%I64d->%I64d=%I64d)", 400.0, 1200.0, 800.0, 400LL, 1200LL, 800LL);
    EXPECT_EQ(s, L"400.0->1200.0=800.0ms (400->1200=800)");
    s.Format(L"Sns:%I64dx%I64d Tim%I64d Min:%0.3f Mea:%0.3f Max:%0.3f)", 3LL, 3LL, 100LL, -0.5, 0.25, 1.0);
    EXPECT_EQ(s, L"Sns:3x3 Tim100 Min:-0.500 Mea:0.250 Max:1.000)");
    s.Format(L"CxC Type:%s; Connect:%I64d->%I64d", CString(L"Coherence").GetString(), 12LL, 200LL);
    EXPECT_EQ(s, L"CxC Type:Coherence; Connect:12->200");
    s.Format(L"Channel %I64d (%s) Graph Theory \n", -9223372036854775807LL - 1, L"MLF11");
    EXPECT_EQ(s, L"Channel -9223372036854775808 (MLF11) Graph Theory \n");
    s.Format(L"Total edge: %.16f", 0.1);
    EXPECT_EQ(s, L"Total edge: 0.1000000000000000");
    s.Format(L"%0.0ffT|%0.2fpT|%0.1f fT|%0.3fms|%d|%f", 999.6, -1.5, 12.25, 0.0, -7, 2.5);
    EXPECT_EQ(s, L"1000fT|-1.50pT|12.2 fT|0.000ms|-7|2.500000");
    s.Format(L"%S and %c%%", "narrow", L'w');
    EXPECT_EQ(s, L"narrow and w%");
    // Long results grow the buffer.
    s.Format(L"[%s]", std::wstring(5000, L'x').c_str());
    EXPECT_EQ(s.GetLength(), 5002);
    s.AppendFormat(L"%d", 5);
    EXPECT_EQ(s.Right(2), L"]5");
}

TEST(CStringMembers, SlicingNeverReadsPastTheString)
{
    CString name(L"MLF11");
    EXPECT_EQ(name.Right(4), L"LF11");
    EXPECT_EQ(CString(L"A").Right(4), L"A");
    EXPECT_EQ(CString().Right(4), L"");
    EXPECT_EQ(name.Left(2), L"ML");
    EXPECT_EQ(name.Left(-1), L"");
    EXPECT_EQ(name.Mid(3), L"11");
    EXPECT_EQ(name.Mid(9), L"");
    EXPECT_EQ(name.Mid(1, 2), L"LF");
    EXPECT_EQ(name.GetAt(1), L'L');
    EXPECT_EQ(name.GetAt(7), L'\0');
    EXPECT_EQ(name.Find(L"F1"), 2);
    EXPECT_EQ(name.Find(L"R"), -1);
    EXPECT_EQ(name.Find(L"1", 4), 4);
    EXPECT_EQ(name.Find(L"1", 99), -1);
}

TEST(CStringMembers, BufferComparisonsAndUtf8RoundTrip)
{
    CString s;
    wchar_t* b = s.GetBuffer(8);
    b[0] = L'o';
    b[1] = L'k';
    b[2] = 0;
    s.ReleaseBuffer();
    EXPECT_EQ(s, L"ok");
    EXPECT_TRUE(L"ok" == s);
    EXPECT_EQ(s.Compare(L"ol"), -1);
    s += L'!';
    s = s + CString(L"?");
    EXPECT_EQ(s, L"ok!?");
    EXPECT_FALSE(s.IsEmpty());
    s.Empty();
    EXPECT_TRUE(s.IsEmpty());
    const CString utf(L"Diplay \u00b5V \U0001F600");
    EXPECT_EQ(cxc::fromUtf8(cxc::toUtf8(utf)), utf);
    EXPECT_EQ(cxc::toUtf8(CString(L"abc")), "abc");
}

}  // namespace
