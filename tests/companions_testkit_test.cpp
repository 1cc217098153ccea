// The test kit itself: what its builder makes, and the fault hooks.
#include <gtest/gtest.h>

#include "faults.h"
#include "medataset.h"
#include "snscohface.h"
#include "testkit.h"

using cxc::testkit::classOf;
using cxc::testkit::DataSet;

TEST(TestKit, DefaultsAreHandComputable)
{
    auto ds = DataSet().meg(4).pair(0, 1, 0.8).pair(2, 3, 0.1).build();
    CSnsCohDataqz* d = classOf(*ds);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->sampleCount, 100);
    EXPECT_EQ(d->selectBegin, 0);
    EXPECT_EQ(d->selectEnd, 99);
    EXPECT_EQ(d->rowCount, 4);
    EXPECT_NEAR(d->getValueSelect(-1, -1, 1, 0), 0.8, 1e-12);  // a mean of 100 samples
    EXPECT_NEAR(d->getValueSelect(-1, -1, 3, 2), 0.1, 1e-12);
    EXPECT_DOUBLE_EQ(d->getValueSelect(-1, -1, 0, 3), 0.0);
    EXPECT_DOUBLE_EQ(d->getValueSelect(-1, -1, 2, 2), 1.0);
    EXPECT_EQ(d->pairAt(2, 1)->rowChnl, 2);
    EXPECT_EQ(d->pairAt(2, 1)->colChnl, 1);
    EXPECT_DOUBLE_EQ(d->getLatency4PtSecond(25) * 1000, 25.0);
    for (int cls = 0; cls < 3; ++cls) EXPECT_NE(classOf(*ds, cls), nullptr);
    EXPECT_EQ(cxc::testkit::trialOf(*ds)->getChannelName(0).GetLength(), 5);  // helmet names like MLF11
}

TEST(TestKit, ShapesAndFaultyEntries)
{
    auto ds = DataSet()
                  .meg(3)
                  .rows({0, 1})
                  .cols({0, 1, 2})
                  .pairChannels(0, 2, 0, 9999)
                  .nullSeries(1, 0)
                  .classes(true, false, true)
                  .withoutPairArray(2)
                  .currentClass(2)
                  .build();
    CSnsCohFaceqz* face = cxc::testkit::packageOf(*ds);
    EXPECT_EQ(face->getCoherenceData(1), nullptr);
    EXPECT_EQ(face->getCoherenceData(-1), face->getCoherenceData(2));
    EXPECT_EQ(face->getCoherenceData(2)->getMCC4class(), nullptr);
    CSnsCohDataqz* d = face->getCoherenceData(0);
    EXPECT_EQ(d->rowCount, 2);
    EXPECT_EQ(d->colCount, 3);
    EXPECT_EQ(d->pairAt(0, 2)->colChnl, 9999);
    EXPECT_EQ(d->pairAt(1, 0)->series, nullptr);
    auto none = DataSet().meg(2).noCoupling().build();
    EXPECT_EQ(cxc::testkit::packageOf(*none), nullptr);
}

TEST(TestKit, ClassesCanDifferByAFactor)
{
    auto ds = DataSet().meg(2).pair(0, 1, 0.6).classScale(1, 0.5).classScale(2, -1.0).build();
    EXPECT_NEAR(classOf(*ds, 0)->getValueSelect(-1, -1, 0, 1), 0.6, 1e-12);
    EXPECT_NEAR(classOf(*ds, 1)->getValueSelect(-1, -1, 0, 1), 0.3, 1e-12);
    EXPECT_NEAR(classOf(*ds, 2)->getValueSelect(-1, -1, 0, 1), -0.6, 1e-12);
    EXPECT_DOUBLE_EQ(classOf(*ds, 2)->getValueSelect(-1, -1, 1, 1), 1.0);  // self pairs unscaled
}

TEST(TestKit, ATrialToAddLater)
{
    auto ds = DataSet().meg(5).build();
    cxc::testkit::sessionOf(*ds)->addTrial(DataSet().meg(2).buildTrial(1));
    CMEGDataqz* s = cxc::testkit::sessionOf(*ds);
    EXPECT_EQ(s->getTotalTrial(), 2);
    EXPECT_EQ(s->getTrialFileName(1), L"trial02");
    EXPECT_EQ(s->getTrialqz(1)->getTotalChannel(), 2);
}

TEST(FaultHooks, ANamedCallThrowsOnce)
{
    auto ds = DataSet().meg(2).build();
    CMDChannelqz* ch = cxc::testkit::trialOf(*ds)->channelAt(0);
    cxc::testkit::throwOnce("CMDChannel0SensorInfo::getMEGSensorqz");
    EXPECT_NE(classOf(*ds)->getMCC4class(), nullptr);  // other calls are unaffected
    EXPECT_THROW(ch->getMEGSensorqz(), cxc::faults::Injected);
    EXPECT_NE(ch->getMEGSensorqz(), nullptr);
    EXPECT_EQ(cxc::faults::armedCount(), 0);
}

TEST(FaultHooks, ClearingDisarms)
{
    auto ds = DataSet().meg(2).build();
    cxc::testkit::throwOnce("CSnsCohData::getValueSelect");
    cxc::testkit::throwOnce("CBscMagSns::getCoilPositionD");
    EXPECT_EQ(cxc::faults::armedCount(), 2);
    cxc::testkit::clearFaults();
    EXPECT_NO_THROW(classOf(*ds)->getValueSelect(-1, -1, 0, 1));
}
