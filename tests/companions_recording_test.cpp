// The recording data chain: data set, sessions, trials and channels, with every index checked.
#include <gtest/gtest.h>

#include "medataset.h"
#include "snscohface.h"
#include "testkit.h"

using cxc::testkit::DataSet;

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
