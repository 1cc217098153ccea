// The 2-D sensor planes: projection, scan to a size, given layouts, one extent per modality.
#include <gtest/gtest.h>

#include <cmath>

#include "medataset.h"
#include "projection.h"
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

TEST(Projection, EachModalityKeepsItsOwnExtent)
{
    auto ds = ring().eegAt(L"C3", -0.05, 0.0, 0.1).eegAt(L"C4", 0.05, 0.0, 0.1).eegAt(L"Cz", 0.0, 0.0, 0.13).build();
    CMDTrialqz* trial = cxc::testkit::trialOf(*ds);
    trial->projectMegMeasureSns3Dto2Dstd(1.0, true);
    trial->projectEegMeasureSns3Dto2Dpro(0, nullptr);
    trial->scanEegMeasureSns2Dsz(40.0);
    EXPECT_TRUE(trial->isEegElectrod2dPlaneDone());
    double minX, maxX, minY, maxY;
    trial->getPlaneExtent(0, minX, maxX, minY, maxY);
    EXPECT_DOUBLE_EQ(maxX, 100.0);  // the EEG scan did not rescale the MEG plane
    trial->getPlaneExtent(1, minX, maxX, minY, maxY);
    EXPECT_DOUBLE_EQ(maxX, 40.0);
    EXPECT_DOUBLE_EQ(trial->planeMaxX, 40.0);  // the shared members follow the plane made last
    EXPECT_EQ(trial->getPlaneExtent(7, minX, maxX, minY, maxY), 0);
    // MEG positions untouched by the EEG projection; EEG channels got EEG positions only.
    EXPECT_NEAR(trial->channelAt(8)->megX2d, 50.0, 1e-9);
    EXPECT_DOUBLE_EQ(trial->channelAt(9)->megX2d, 0.0);
    EXPECT_DOUBLE_EQ(trial->channelAt(9)->eegX2d, 0.0);
    EXPECT_DOUBLE_EQ(trial->channelAt(10)->eegX2d, 40.0);
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
