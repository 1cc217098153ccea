// The built-in demo data set: its shape, its classes, its memory, and its round trip through a data
// folder; and the sensor layouts it is made from. Its sensors and network are pinned by the snapshots.
#include <algorithm>
#include <cmath>

#include "data_fixture.h"
#include "datafolder.h"
#include "demodata.h"
#include "sensorlayouts.h"

namespace {

// One demo data set for the whole file: building it is the expensive part.
CArrayMEDataSetqz& demo()
{
    static std::unique_ptr<CArrayMEDataSetqz> ds = cxc::demo::build();
    return *ds;
}

CSnsCohDataqz* classData(CArrayMEDataSetqz& ds, int trial, int cls)
{
    return ds.getSessionData(-1)->getTrialqz(trial)->getCoherenceFaceqzTime(false)->getCoherenceData(cls);
}

}  // namespace

TEST(DemoData, OneSessionOfTwoTrialsWithAllThreeClassesAndSharedSeries)
{
    CMEGDataqz* s = demo().getSessionData(-1);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->getSessionName(), L"demo");
    ASSERT_EQ(s->getTotalTrial(), 2);
    for (int t = 0; t < 2; ++t) {
        for (int cls = 0; cls < 3; ++cls) {
            CSnsCohDataqz* d = classData(demo(), t, cls);
            ASSERT_NE(d, nullptr);
            EXPECT_EQ(d->sampleCount, cxc::demo::kSamples);
            EXPECT_EQ(d->rowCount, 214);
            EXPECT_EQ(d->colCount, 214);
            EXPECT_EQ(d->selectBegin, cxc::demo::kSelectBegin);
            EXPECT_EQ(d->getChnlTypeIDname(), L"MEG+EEG");
            EXPECT_DOUBLE_EQ(d->getLatency4PtSecond(60), 0.0);
        }
        EXPECT_EQ(classData(demo(), t, -1), classData(demo(), t, 0));
    }
    // Symmetric pairs share a series, MEG-EEG pairs too, and those couple as well (no zeros).
    CSnsCohDataqz* d = classData(demo(), 0, 0);
    EXPECT_EQ(d->pairAt(3, 70)->series, d->pairAt(70, 3)->series);
    EXPECT_EQ(d->pairAt(160, 200)->series, d->pairAt(200, 160)->series);
    EXPECT_EQ(d->pairAt(0, 150)->series, d->pairAt(150, 0)->series);
    EXPECT_NE(d->pairAt(3, 70)->series, d->pairAt(3, 71)->series);
    for (const auto& [i, j] : {std::pair{0, 150}, {149, 213}, {213, 0}}) {
        double largest = 0.0;
        for (long long t = 0; t < cxc::demo::kSamples; ++t) largest = std::max(largest, std::fabs(d->pairAt(i, j)->series[t]));
        EXPECT_GT(largest, 0.05) << i << ", " << j;
        EXPECT_LT(largest, 1.0);
    }
    EXPECT_EQ(d->pairAt(5, 5)->series[17], 1.0);
    EXPECT_EQ(d->pairAt(5, 5)->rowChnl, 5);
    EXPECT_EQ(d->pairAt(5, 9)->colChnl, 9);
}

TEST(DemoData, ResultIsActiveMinusControlTheSameOnEveryBuild)
{
    CSnsCohDataqz* a = classData(demo(), 1, 0);
    CSnsCohDataqz* c = classData(demo(), 1, 1);
    CSnsCohDataqz* r = classData(demo(), 1, 2);
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
    auto again = cxc::demo::build();
    CSnsCohDataqz* b = classData(*again, 1, 2);
    for (int i = 0; i < 214; i += 13)
        for (int j = 0; j < 214; j += 11)
            EXPECT_EQ(std::memcmp(r->pairAt(i, j)->series, b->pairAt(i, j)->series, sizeof(double) * cxc::demo::kSamples), 0);
}

TEST(DemoData, WrittenAndLoadedBackItIsTheSameDataInModestMemory)
{
    const std::size_t bytes = cxc::demo::couplingBytes(demo());
    EXPECT_LT(bytes, 240u * 1000u * 1000u);
    EXPECT_GT(bytes, 180u * 1000u * 1000u);
    cxctest::Scratch dir;
    ASSERT_EQ(cxc::data::writeDataFolder(demo(), dir.dir()), "");
    cxc::data::LoadResult r = cxc::data::loadDataFolder(dir.dir());
    ASSERT_NE(r.dataSet, nullptr) << r.error;
    datatest::expectSameData(demo(), *r.dataSet);
    // Kept as compactly as it was built.
    EXPECT_LT(cxc::demo::couplingBytes(*r.dataSet), bytes * 102 / 100);
}

TEST(SensorLayouts, TheTenTwentySitesAndEvenlySpreadSites)
{
    const auto sites = cxc::layouts::eegCap1020();
    ASSERT_EQ(sites.size(), 21u);
    EXPECT_EQ(sites.front().name, L"Fpz");
    EXPECT_TRUE(std::any_of(sites.begin(), sites.end(), [](const auto& s) { return s.name == L"Cz"; }));
    const auto all = cxc::layouts::megHelmet();
    const auto four = cxc::layouts::spread(all, 4);
    ASSERT_EQ(four.size(), 4u);
    EXPECT_EQ(four[0].name, all[0].name);
    EXPECT_EQ(four[2].name, all[all.size() / 2].name);
    EXPECT_EQ(cxc::layouts::spread(all, 1000).size(), all.size());
    EXPECT_TRUE(cxc::layouts::spread(all, -3).empty());
}
