// The built-in demo data set: its channels, its coupling, its memory, and its round trip through a
// data folder.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <cwctype>
#include <filesystem>
#include <set>

#include "datafolder.h"
#include "demodata.h"
#include "medataset.h"
#include "sensorlayouts.h"
#include "snscohface.h"
#include "testkit.h"

namespace fs = std::filesystem;

namespace {

// One demo data set for the whole file: building it is the expensive part.
CArrayMEDataSetqz& demo()
{
    static std::unique_ptr<CArrayMEDataSetqz> ds = cxc::demo::build();
    return *ds;
}

int countKind(CMDTrialqz* t, CMDChannelqz::Kind kind)
{
    int n = 0;
    for (int i = 0; i < t->getTotalChannel(); ++i) n += t->channelAt(i)->kind() == kind;
    return n;
}

// Mean of a pair's series over samples [b, e].
double meanOf(CSnsCohDataqz* d, int i, int j, long long b, long long e)
{
    return d->pairAt(i, j)->getSelectDataMean(b, e, 0);
}

}  // namespace

TEST(DemoData, OneSessionOfTwoTrialsWithAllThreeClasses)
{
    CMEGDataqz* s = demo().getSessionData(-1);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->getSessionName(), L"demo");
    ASSERT_EQ(s->getTotalTrial(), 2);
    for (int t = 0; t < 2; ++t) {
        CSnsCohFaceqz* face = s->getTrialqz(t)->getCoherenceFaceqzTime(false);
        ASSERT_NE(face, nullptr);
        for (int cls = 0; cls < 3; ++cls) {
            CSnsCohDataqz* d = face->getCoherenceData(cls);
            ASSERT_NE(d, nullptr);
            EXPECT_EQ(d->sampleCount, cxc::demo::kSamples);
            EXPECT_EQ(d->rowCount, 214);
            EXPECT_EQ(d->colCount, 214);
            EXPECT_EQ(d->selectBegin, cxc::demo::kSelectBegin);
            EXPECT_EQ(d->getChnlTypeIDname(), L"MEG+EEG");
            EXPECT_DOUBLE_EQ(d->getLatency4PtSecond(60), 0.0);
        }
        EXPECT_EQ(face->getCoherenceData(-1), face->getCoherenceData(0));
    }
}

TEST(DemoData, HelmetOfAboutOneHundredFiftyNamedSensors)
{
    CMDTrialqz* t = demo().getSessionData(-1)->getTrialqz(0);
    EXPECT_EQ(countKind(t, CMDChannelqz::Kind::Meg), 150);
    // M, hemisphere L/R/Z, region F/C/T/P/O, two digits.
    auto wellFormed = [](const std::wstring& n) {
        return n.size() == 5 && n[0] == L'M' && std::wstring(L"LRZ").find(n[1]) != std::wstring::npos &&
               std::wstring(L"FCTPO").find(n[2]) != std::wstring::npos && std::iswdigit(n[3]) && std::iswdigit(n[4]);
    };
    std::set<std::wstring> names;
    for (int i = 0; i < 150; ++i) {
        CMDChannelqz* ch = t->channelAt(i);
        const std::wstring n = ch->name.GetString();
        EXPECT_TRUE(wellFormed(n)) << cxc::toUtf8(ch->name);
        names.insert(n);
        double x, y, z;
        ASSERT_TRUE(ch->position3D(x, y, z));
        // Left sensors on the left, right ones on the right, midline ones in the middle.
        if (n[1] == L'L') {
            EXPECT_LT(x, -0.005) << cxc::toUtf8(ch->name);
        } else if (n[1] == L'R') {
            EXPECT_GT(x, 0.005) << cxc::toUtf8(ch->name);
        } else {
            EXPECT_EQ(x, 0.0);
        }
        if (n[2] == L'F') {
            EXPECT_GT(y, 0.0) << cxc::toUtf8(ch->name);
        } else if (n[2] == L'O') {
            EXPECT_LT(y, 0.0) << cxc::toUtf8(ch->name);
        }
        // On a helmet of 12 cm about the head's centre.
        EXPECT_NEAR(std::sqrt(x * x + y * y + (z - 0.04) * (z - 0.04)), 0.12, 0.001);
    }
    EXPECT_EQ(names.size(), 150u);
    EXPECT_EQ(names.count(L"MLF11"), 1u);
    EXPECT_EQ(names.count(L"MRF11"), 1u);
}

TEST(DemoData, SixtyFourElectrodesWithTheTenTenNames)
{
    CMDTrialqz* t = demo().getSessionData(-1)->getTrialqz(0);
    EXPECT_EQ(countKind(t, CMDChannelqz::Kind::Eeg), 64);
    std::set<std::wstring> names;
    for (int i = 150; i < 214; ++i) names.insert(t->channelAt(i)->name.GetString());
    for (const wchar_t* n : {L"Fp1", L"Fpz", L"Fp2", L"AF7", L"AF3", L"AFz", L"F7", L"F1", L"Fz", L"FT7", L"FC1", L"FCz",
                             L"T7", L"C3", L"Cz", L"C4", L"T8", L"TP7", L"CPz", L"P9", L"P7", L"Pz", L"P10", L"PO7",
                             L"POz", L"O1", L"Oz", L"O2", L"Iz"})
        EXPECT_EQ(names.count(n), 1u) << cxc::toUtf8(n);
    EXPECT_EQ(names.size(), 64u);
    double x, y, z;
    for (int i = 150; i < 214; ++i) {
        CMDChannelqz* ch = t->channelAt(i);
        ch->position3D(x, y, z);
        const std::wstring n = ch->name.GetString();
        const wchar_t last = n.back();
        if (last == L'z') {
            EXPECT_EQ(x, 0.0) << cxc::toUtf8(ch->name);
        } else if ((last - L'0') % 2 == 1) {
            EXPECT_LT(x, 0.0) << cxc::toUtf8(ch->name);  // odd numbers on the left
        } else {
            EXPECT_GT(x, 0.0) << cxc::toUtf8(ch->name);
        }
    }
}

TEST(DemoData, SymmetricPairsShareASeriesAndModalitiesDoNotCouple)
{
    CSnsCohDataqz* d = demo().getSessionData(-1)->getTrialqz(0)->getCoherenceFaceqzTime(false)->getCoherenceData(0);
    EXPECT_EQ(d->pairAt(3, 70)->series, d->pairAt(70, 3)->series);
    EXPECT_EQ(d->pairAt(160, 200)->series, d->pairAt(200, 160)->series);
    EXPECT_NE(d->pairAt(3, 70)->series, d->pairAt(3, 71)->series);
    // Every MEG-EEG pair holds the one series of zeros.
    const double* zero = d->pairAt(0, 150)->series;
    EXPECT_EQ(d->pairAt(149, 213)->series, zero);
    EXPECT_EQ(d->pairAt(213, 0)->series, zero);
    for (long long t = 0; t < cxc::demo::kSamples; ++t) EXPECT_EQ(zero[t], 0.0);
    EXPECT_EQ(d->pairAt(5, 5)->series[17], 1.0);
    EXPECT_EQ(d->pairAt(5, 5)->rowChnl, 5);
    EXPECT_EQ(d->pairAt(5, 9)->colChnl, 9);
}

TEST(DemoData, ANetworkAppearsAndFadesInTheActiveClassOnly)
{
    CMDTrialqz* t = demo().getSessionData(-1)->getTrialqz(0);
    CSnsCohDataqz* act = t->getCoherenceFaceqzTime(false)->getCoherenceData(0);
    CSnsCohDataqz* ctl = t->getCoherenceFaceqzTime(false)->getCoherenceData(1);
    // The MEG pairs that change most between the start and the peak in the Active class...
    int rising = 0, rose = 0;
    double controlChange = 0.0;
    for (int i = 0; i < 150; ++i)
        for (int j = i + 1; j < 150; ++j) {
            const double start = meanOf(act, i, j, 0, 30), peak = meanOf(act, i, j, 120, 150), end = meanOf(act, i, j, 169, 199);
            if (peak - start > 0.4) {
                ++rising;
                rose += peak - end > 0.3;  // ...have faded again by the end of the trial
                controlChange += meanOf(ctl, i, j, 120, 150) - meanOf(ctl, i, j, 0, 30);
            }
        }
    EXPECT_GT(rising, 100);
    EXPECT_GT(rose, rising / 2);
    EXPECT_LT(std::fabs(controlChange / rising), 0.15);  // the Control class has no network
}

TEST(DemoData, ResultIsActiveMinusControl)
{
    CSnsCohFaceqz* face = demo().getSessionData(-1)->getTrialqz(1)->getCoherenceFaceqzTime(false);
    CSnsCohDataqz* a = face->getCoherenceData(0);
    CSnsCohDataqz* c = face->getCoherenceData(1);
    CSnsCohDataqz* r = face->getCoherenceData(2);
    for (int pair = 0; pair < 50; ++pair) {
        const int i = (pair * 37) % 214, j = (pair * 91 + 5) % 214;
        for (long long t = 0; t < cxc::demo::kSamples; t += 7)
            EXPECT_EQ(r->pairAt(i, j)->series[t],
                      static_cast<double>(static_cast<float>(a->pairAt(i, j)->series[t] - c->pairAt(i, j)->series[t])));
    }
    EXPECT_EQ(r->pairAt(7, 7)->series[0], 0.0);
    EXPECT_GE(r->valueMin, -2.0);
    EXPECT_LE(a->valueMax, 1.0);
    EXPECT_GE(a->valueMin, -1.0);
}

TEST(DemoData, TheSameOnEveryBuild)
{
    auto again = cxc::demo::build();
    CSnsCohDataqz* a = demo().getSessionData(-1)->getTrialqz(1)->getCoherenceFaceqzTime(false)->getCoherenceData(2);
    CSnsCohDataqz* b = again->getSessionData(-1)->getTrialqz(1)->getCoherenceFaceqzTime(false)->getCoherenceData(2);
    for (int i = 0; i < 214; i += 13)
        for (int j = 0; j < 214; j += 11)
            EXPECT_EQ(std::memcmp(a->pairAt(i, j)->series, b->pairAt(i, j)->series, sizeof(double) * cxc::demo::kSamples), 0);
}

TEST(DemoData, CouplingMemoryStaysModest)
{
    const std::size_t bytes = cxc::demo::couplingBytes(demo());
    EXPECT_LT(bytes, 150u * 1000u * 1000u);
    EXPECT_GT(bytes, 100u * 1000u * 1000u);
}

TEST(DemoData, WrittenAndLoadedBackItIsTheSameData)
{
    const fs::path dir = fs::temp_directory_path() / "cxc-demo-roundtrip";
    fs::remove_all(dir);
    ASSERT_EQ(cxc::data::writeDataFolder(demo(), dir.string()), "");
    cxc::data::LoadResult r = cxc::data::loadDataFolder(dir.string());
    ASSERT_NE(r.dataSet, nullptr) << r.error;
    CMEGDataqz* sa = demo().getSessionData(-1);
    CMEGDataqz* sb = r.dataSet->getSessionData(-1);
    EXPECT_EQ(sa->getSessionName(), sb->getSessionName());
    ASSERT_EQ(sb->getTotalTrial(), 2);
    for (int t = 0; t < 2; ++t) {
        CMDTrialqz* ta = sa->getTrialqz(t);
        CMDTrialqz* tb = sb->getTrialqz(t);
        EXPECT_EQ(ta->trialName, tb->trialName);
        ASSERT_EQ(ta->getTotalChannel(), tb->getTotalChannel());
        for (int i = 0; i < ta->getTotalChannel(); ++i) {
            double x1, y1, z1, x2, y2, z2;
            ta->channelAt(i)->position3D(x1, y1, z1);
            tb->channelAt(i)->position3D(x2, y2, z2);
            EXPECT_EQ(ta->channelAt(i)->name, tb->channelAt(i)->name);
            EXPECT_EQ(ta->channelAt(i)->kind(), tb->channelAt(i)->kind());
            EXPECT_TRUE(x1 == x2 && y1 == y2 && z1 == z2);
        }
        for (int cls = 0; cls < 3; ++cls) {
            CSnsCohDataqz* da = ta->getCoherenceFaceqzTime(false)->getCoherenceData(cls);
            CSnsCohDataqz* db = tb->getCoherenceFaceqzTime(false)->getCoherenceData(cls);
            ASSERT_NE(db, nullptr);
            EXPECT_EQ(da->text, db->text);
            EXPECT_EQ(da->cmptText, db->cmptText);
            EXPECT_EQ(da->selectBegin, db->selectBegin);
            EXPECT_EQ(da->selectEnd, db->selectEnd);
            EXPECT_EQ(da->getSamplingRate(), db->getSamplingRate());
            EXPECT_EQ(da->getFirstLatency(), db->getFirstLatency());
            EXPECT_EQ(da->valueMean, db->valueMean);
            long long differing = 0;
            for (long long i = 0; i < 214; ++i)
                for (long long j = 0; j < 214; ++j) {
                    differing += da->pairAt(i, j)->rowChnl != db->pairAt(i, j)->rowChnl;
                    differing += std::memcmp(da->pairAt(i, j)->series, db->pairAt(i, j)->series,
                                             sizeof(double) * cxc::demo::kSamples) != 0;
                }
            EXPECT_EQ(differing, 0);
        }
    }
    // Kept as compactly as it was built.
    EXPECT_LT(cxc::demo::couplingBytes(*r.dataSet), cxc::demo::couplingBytes(demo()) * 102 / 100);
    fs::remove_all(dir);
}

TEST(SensorLayouts, TheTenTwentySitesAreASubsetOfTheCap)
{
    const auto sites = cxc::layouts::eegCap1020();
    ASSERT_EQ(sites.size(), 21u);
    EXPECT_EQ(sites.front().name, L"Fpz");
    bool cz = false;
    for (const auto& s : sites) cz = cz || s.name == L"Cz";
    EXPECT_TRUE(cz);
}

TEST(SensorLayouts, SpreadTakesEvenlySpacedSites)
{
    const auto all = cxc::layouts::megHelmet();
    const auto four = cxc::layouts::spread(all, 4);
    ASSERT_EQ(four.size(), 4u);
    EXPECT_EQ(four[0].name, all[0].name);
    EXPECT_EQ(four[2].name, all[all.size() / 2].name);
    EXPECT_EQ(cxc::layouts::spread(all, 1000).size(), all.size());
    EXPECT_TRUE(cxc::layouts::spread(all, -3).empty());
}
