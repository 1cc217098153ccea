// CString: the members the module uses, and formats longer than any buffer.
#include <gtest/gtest.h>

#include "afxstr.h"

namespace {

// The module's %I64d formats are pinned by the texts of the window snapshots.
TEST(CStringFormat, LongResultsGrowTheBuffer)
{
    CString s;
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
    EXPECT_EQ(name.GetAt(1), L'L');
    EXPECT_EQ(name.GetAt(7), L'\0');
    EXPECT_EQ(name.Find(L"F1"), 2);
    EXPECT_EQ(name.Find(L"R"), -1);
    EXPECT_EQ(name.Find(L"1", 4), 4);
    EXPECT_EQ(name.Find(L"1", 99), -1);
}

TEST(CStringMembers, AppendingAndUtf8RoundTrip)
{
    CString s(L"ok");
    EXPECT_TRUE(L"ok" == s);
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
