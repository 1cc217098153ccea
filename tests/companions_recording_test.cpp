// The recording data chain (data set, sessions, trials and channels, with every index checked) and the
// 2-D sensor planes: projection, scan to a size, given layouts, one extent per modality.
#include <gtest/gtest.h>

#include <cmath>

#include "medataset.h"
#include "projection.h"
#include "snscohface.h"
#include "testkit.h"

using cxc::testkit::DataSet;

namespace {

constexpr double kPi = 3.14159265358979323846;

// Eight sensors on a ring 60 degrees below the vertex of a sphere about (0, 0, 0.04), one at the
// vertex (channel 8): a symmetric helmet in miniature.
DataSet ring(double radius = 0.1)
{
    DataSet d;
    const wchar_t* names[] = {L"MRC11", L"MZF01", L"MLC11", L"MZO01", L"MRF11", L"MLF11", L"MLO11", L"MRO11"};
    const double az[] = {0, 90, 180, 270, 45, 135, 225, 315};
    for (int k = 0; k < 8; ++k) {
        const double a = az[k] * kPi / 180.0, t = 60.0 * kPi / 180.0;
        d.megAt(names[k], radius * std::sin(t) * std::cos(a), radius * std::sin(t) * std::sin(a), 0.04 + radius * std::cos(t));
    }
    d.megAt(L"MZC01", 0.0, 0.0, 0.04 + radius);
    return d;
}

}  // namespace

// The fit of a helmet's sphere shows in every map snapshot.
TEST(Projection, FlatPointsAreViewedFromBelowInTheirOrder)
{
    // Four points on one plane pin no sphere down; the fallback centre lies below them.
    const std::vector<cxc::proj::Point3> flat = {{-1, 0, 2}, {1, 0, 2}, {0, 1, 2}, {0, -1, 2}};
    const auto below = cxc::proj::fitSphereCentre(flat);
    EXPECT_DOUBLE_EQ(below.x, 0.0);
    EXPECT_DOUBLE_EQ(below.y, 0.0);
    EXPECT_DOUBLE_EQ(below.z, 1.0);  // min z - largest horizontal reach
    const auto left = cxc::proj::azimuthalEquidistant(flat[0], below), right = cxc::proj::azimuthalEquidistant(flat[1], below);
    EXPECT_LT(left.x, right.x);
}

TEST(Projection, StandardProjectionScalesToOneHundredTimesTheScale)
{
    auto ds = ring().build();
    CMDTrialqz* trial = cxc::testkit::trialOf(*ds);
    EXPECT_EQ(trial->projectMegMeasureSns3Dto2Dstd(2.0, true), 9);
    EXPECT_DOUBLE_EQ(trial->planeMaxX, 200.0);
    EXPECT_NEAR(trial->channelAt(8)->megX2d, 100.0, 1e-9);
    EXPECT_EQ(trial->projectMegMeasureSns3Dto2Dstd(0.0, true), 0);
    EXPECT_EQ(trial->projectMegMeasureSns3Dto2Dstd(std::nan(""), true), 0);
    EXPECT_EQ(trial->scanMegMeasureSns2Dsz(-1.0), 0);
    EXPECT_EQ(trial->scanMegMeasureSns2Dsz(INFINITY), 0);
}

// Each modality's own extent and positions show in the maps and snapshots.
TEST(Projection, TheSharedExtentFollowsThePlaneMadeLast)
{
    auto ds = ring().eegAt(L"C3", -0.05, 0.0, 0.1).eegAt(L"C4", 0.05, 0.0, 0.1).eegAt(L"Cz", 0.0, 0.0, 0.13).build();
    CMDTrialqz* trial = cxc::testkit::trialOf(*ds);
    trial->projectMegMeasureSns3Dto2Dstd(1.0, true);
    trial->projectEegMeasureSns3Dto2Dpro(0, nullptr);
    trial->scanEegMeasureSns2Dsz(40.0);
    EXPECT_DOUBLE_EQ(trial->planeMaxX, 40.0);
    double minX, maxX, minY, maxY;
    EXPECT_EQ(trial->getPlaneExtent(7, minX, maxX, minY, maxY), 0);
}

TEST(Projection, ParameterisedProjectionFitsTheListedChannels)
{
    // Fitted to the ring only, the sphere's centre is the ring's; listing junk indices changes nothing.
    auto ds = ring().megAt(L"MZX01", 0.0, 0.3, 0.04).build();
    CMDTrialqz* trial = cxc::testkit::trialOf(*ds);
    int list[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, -4, 99};
    EXPECT_EQ(trial->projectMegMeasureSns3Dto2Dpro(11, list), 10);
    EXPECT_NEAR(trial->channelAt(8)->megX2d, 0.0, 1e-12);  // raw radians: the vertex at the origin
    EXPECT_NEAR(trial->channelAt(0)->megX2d, kPi / 3, 1e-9);
    EXPECT_NEAR(trial->channelAt(9)->megY2d, kPi / 2, 1e-9);
}

// A plane made as given from layouts shows in every map test.
TEST(Projection, GivenLayoutsMakeAPlaneOnlyWhenEveryChannelHasOneAndNewChannelsUndoIt)
{
    auto ds = DataSet().megAt2d(L"A", 10, 20).megAt2d(L"B", 70, 5).eegAt2d(L"Cz", 3, 4).eeg(2).build();
    EXPECT_FALSE(cxc::testkit::trialOf(*ds)->isEegElectrod2dPlaneDone());  // two electrodes have no layout
    // A plane is made again for new channels, but not for a null entry.
    auto holes = DataSet().megAt2d(L"A", 1, 2).megAt2d(L"B", 5, 9).megAt2d(L"C", 3, 3).nullChannel(2).build();
    CMDTrialqz* trial = cxc::testkit::trialOf(*holes);
    EXPECT_TRUE(trial->isMegSnsr2dPlaneDone());
    trial->addChannel(CMDChannelqz::makeMeg(L"D", 0.0, 0.0, 0.1));
    EXPECT_FALSE(trial->isMegSnsr2dPlaneDone());
}

TEST(Projection, ChannelsWithoutGeometryAreParkedAtTheOrigin)
{
    auto ds = ring().meg(1).noPosition(9).other(L"TRG").build();
    CMDTrialqz* trial = cxc::testkit::trialOf(*ds);
    trial->channelAt(9)->megX2d = 33.0;
    EXPECT_EQ(trial->projectMegMeasureSns3Dto2Dstd(1.0, true), 9);
    EXPECT_DOUBLE_EQ(trial->channelAt(9)->megX2d, 0.0);
    EXPECT_DOUBLE_EQ(trial->channelAt(10)->megX2d, 0.0);
    EXPECT_EQ(trial->getMeasureMegCoilADimension(), 10);
    EXPECT_EQ(trial->getMeasureEegElctDimension(), 0);
    // A trial without channels of a modality makes no plane.
    EXPECT_EQ(trial->projectEegMeasureElectrode3Dto2Dstd(1.0, true), 0);
    EXPECT_FALSE(trial->isEegElectrod2dPlaneDone());
}

TEST(Recording, CurrentSessionAndTrialThroughMinusOne)
{
    auto ds = DataSet().meg(3).trials(3).session(L"s1").build();
    CMEGDataqz* session = ds->getSessionData(-1);
    ASSERT_NE(session, nullptr);
    EXPECT_EQ(ds->getSessionData(0), session);
    EXPECT_EQ(ds->getSessionData(1), nullptr);
    EXPECT_EQ(ds->getSessionData(-2), nullptr);
    EXPECT_EQ(session->getSessionName(), L"s1");
    EXPECT_EQ(session->getTotalTrial(), 3);
    EXPECT_EQ(session->getCurrentTrialIndx(), 0);
    EXPECT_EQ(session->getTrialqz(-1), session->getTrialqz(0));
    EXPECT_EQ(session->getTrialFileName(2), L"trial03");
    EXPECT_EQ(session->getTrialFileName(3), L"");
    EXPECT_EQ(session->openTrial(2), 1);
    EXPECT_EQ(session->getTrialqz(-1), session->getTrialqz(2));
    EXPECT_EQ(session->openTrial(3), 0);
    EXPECT_EQ(session->openTrial(-1), 0);
    EXPECT_EQ(session->getCurrentTrialIndx(), 2);
    EXPECT_EQ(session->getTrialqz(9), nullptr);
    CArrayMEDataSetqz empty;
    EXPECT_EQ(empty.getSessionData(-1), nullptr);
    CMEGDataqz none;
    EXPECT_EQ(none.getTrialqz(-1), nullptr);
    EXPECT_EQ(none.getCurrentTrialIndx(), -1);
}

TEST(Recording, ChannelTableWithNullEntries)
{
    auto ds = DataSet().meg(2).eeg(1).other(L"STIM").nullChannel(1).build();
    CMDTrialqz* trial = cxc::testkit::trialOf(*ds);
    EXPECT_EQ(trial->getTotalChannel(), 4);
    CMDChannelqz** table = trial->getAllChannelPt();
    ASSERT_NE(table, nullptr);
    EXPECT_NE(table[0], nullptr);
    EXPECT_EQ(table[1], nullptr);
    for (auto [i, name] : {std::pair<int, const wchar_t*>{1, L""}, {3, L"STIM"}, {4, L""}, {-1, L""}})
        EXPECT_EQ(trial->getChannelName(i), name) << i;
    EXPECT_EQ(std::pair(table[2]->isEEGMeasureChannel(), table[2]->isMEGMeasureChannel()), std::pair(1, 0));
    EXPECT_EQ(std::pair(table[3]->isEEGMeasureChannel(), table[3]->isMEGMeasureChannel()), std::pair(0, 0));
    // Flags and names of channels outside the table (inside it they show in the maps and viewers).
    CMEGDataqz* s = cxc::testkit::sessionOf(*ds);
    EXPECT_EQ(s->isGoodChnl4Alltrials(4), 0);
    EXPECT_EQ(s->isShowChnl4Alltrials(-1), 0);
    EXPECT_EQ(s->getChnlName_PhycVirt(99, false), L"");
    CMDTrialqz bare;
    EXPECT_EQ(bare.getAllChannelPt(), nullptr);
    EXPECT_EQ(bare.getCoherenceFaceqzTime(false), nullptr);
    EXPECT_NE(bare.getCoherenceFaceqzTime(true), nullptr);
}

TEST(Recording, SensorGeometryOfBothKinds)
{
    auto ds = DataSet().megAt(L"MLF11", -0.03, 0.05, 0.1).eegAt(L"Fz", 0.0, 0.06, 0.1).meg(1).noCoil(2).build();
    CMDTrialqz* trial = cxc::testkit::trialOf(*ds);
    CMDChannelqz* meg = trial->channelAt(0);
    CMDChannelqz* eeg = trial->channelAt(1);
    ASSERT_NE(meg->getMEGSensorqz(), nullptr);
    EXPECT_EQ(meg->getEegElectrode(0), nullptr);
    double x = 0, y = 0, z = 0;
    EXPECT_EQ(meg->getMEGSensorqz()->getCoil(0)->getCoilPositionD(x, y, z), 1);
    EXPECT_DOUBLE_EQ(x, -0.03);
    EXPECT_DOUBLE_EQ(z, 0.1);
    EXPECT_EQ(meg->getMEGSensorqz()->getCoil(1), nullptr);
    EXPECT_EQ(meg->getMEGSensorqz()->getCoil(-1), nullptr);
    EXPECT_EQ(eeg->getMEGSensorqz(), nullptr);
    ASSERT_NE(eeg->getEegElectrode(0), nullptr);
    EXPECT_EQ(eeg->getEegElectrode(1), nullptr);
    eeg->getEegElectrode(0)->getElectrodePositionD(x, y, z);
    EXPECT_DOUBLE_EQ(y, 0.06);
    // A sensor that lost its coils.
    ASSERT_NE(trial->channelAt(2)->getMEGSensorqz(), nullptr);
    EXPECT_EQ(trial->channelAt(2)->getMEGSensorqz()->getCoil(0), nullptr);
}

TEST(Recording, ProjectionParametersAreHandedThrough)
{
    auto ds = DataSet().meg(4).projection({0, 2, 3}).build();
    CMEGDataqz* s = cxc::testkit::sessionOf(*ds);
    ASSERT_EQ(s->projParamCount, 3);
    EXPECT_EQ(s->projParamList[1], 2);
    auto plain = DataSet().meg(4).build();
    EXPECT_EQ(cxc::testkit::sessionOf(*plain)->projParamCount, 0);
    EXPECT_EQ(cxc::testkit::sessionOf(*plain)->projParamList, nullptr);
}
