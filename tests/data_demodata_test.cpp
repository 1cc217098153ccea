// The demo data set's memory, its data folder round trip and its layouts (the rest: snapshots).
#include <algorithm>

#include "data_fixture.h"
#include "datafolder.h"
#include "demodata.h"
#include "sensorlayouts.h"
#include "testkit.h"

TEST(DemoData, WrittenAndLoadedBackItIsTheSameDataInModestMemory)
{
    const std::unique_ptr<CArrayMEDataSetqz> demo = cxc::demo::build();
    const std::size_t bytes = cxc::demo::couplingBytes(*demo);
    EXPECT_LT(bytes, 240u * 1000u * 1000u);
    EXPECT_GT(bytes, 180u * 1000u * 1000u);
    cxctest::Scratch dir;
    ASSERT_EQ(cxc::data::writeDataFolder(*demo, dir.dir()), "");
    cxc::data::LoadResult r = cxc::data::loadDataFolder(dir.dir());
    ASSERT_NE(r.dataSet, nullptr) << r.error;
    datatest::expectSameData(*demo, *r.dataSet);
    // Kept as compactly as it was built.
    EXPECT_LT(cxc::demo::couplingBytes(*r.dataSet), bytes * 102 / 100);
    EXPECT_LE(cxc::testkit::classOf(*r.dataSet, 0)->valueMax, 1.0);  // correlations
    EXPECT_GE(cxc::testkit::classOf(*r.dataSet, 0)->valueMin, -1.0);
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
