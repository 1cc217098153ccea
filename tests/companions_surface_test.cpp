// The companion surface exactly as the module calls it: every operation through the layer that
// names it, on leaf pointers, with the arguments the module passes.
#include <gtest/gtest.h>

#include <memory>

#include "cxccompanions.h"
#include "gdi_canvas.h"
#include "testkit.h"

using cxc::testkit::DataSet;

TEST(CompanionSurface, RecordingAndCouplingCallsThroughTheirLayers)
{
    auto ds = DataSet().meg(4).eeg(2).pair(0, 1, 0.5).select(2, 8).build();
    CArrayMEDataSetqz* dataSet = ds.get();
    CMEGDataqz* session = dataSet->CArrayMEDataSet::getSessionData(-1);
    ASSERT_NE(session, nullptr);
    CMDTrialqz* trial = session->CMEGData::getTrialqz(-1);
    ASSERT_NE(trial, nullptr);
    EXPECT_EQ(session->CMEGData::getTotalTrial(), 1);
    EXPECT_EQ(session->CMEGData::getTrialFileName(0), L"trial01");
    EXPECT_EQ(session->CMEGData::getCurrentTrialIndx(), 0);
    EXPECT_EQ(session->CMEGData::openTrial(0), 1);
    EXPECT_EQ(session->CMEGData::getSessionName(), L"test");
    EXPECT_EQ(session->CMEGData2Process::isGoodChnl4Alltrials(0), 1);
    EXPECT_EQ(session->CMEGData2Process::isShowChnl4Alltrials(5), 1);
    EXPECT_EQ(session->CMEGData8Show::getChnlName_PhycVirt(4, false), trial->getChannelName(4));
    int* params = session->projParamList;
    EXPECT_EQ(trial->CMDTrial8Show::projectMegMeasureSns3Dto2Dpro(session->projParamCount, params), 4);
    EXPECT_EQ(trial->CMDTrial8Show::scanMegMeasureSns2Dsz(100.0), 4);
    EXPECT_TRUE(trial->CMDTrial8Show::isMegSnsr2dPlaneDone());
    EXPECT_EQ(trial->CMDTrial0SensorInfo::getMeasureMegCoilADimension(), 4);
    EXPECT_EQ(trial->CMDTrial0SensorInfo::getMeasureEegElctDimension(), 2);
    EXPECT_EQ(trial->CMDTrial8Show::projectEegMeasureElectrode3Dto2Dstd(1.0, true), 2);
    EXPECT_TRUE(trial->CMDTrial8Show::isEegElectrod2dPlaneDone());
    EXPECT_LE(trial->planeMinX, trial->planeMaxX);
    EXPECT_EQ(trial->CMDTrial::getTotalChannel(), 6);
    CMDChannelqz** channels = trial->CMDTrial::getAllChannelPt();
    EXPECT_EQ(trial->CMDTrial::getChannelName(0), channels[0]->name);
    EXPECT_EQ(channels[0]->CMDChannel0SensorInfo::isMEGMeasureChannel(), 1);
    EXPECT_EQ(channels[5]->CMDChannel0SensorInfo::isEEGMeasureChannel(), 1);
    double x, y, z;
    CMEGSensorqz* sensor = channels[0]->CMDChannel0SensorInfo::getMEGSensorqz();
    EXPECT_EQ(sensor->CMEGSensor::getCoil(0)->CBscMagSns::getCoilPositionD(x, y, z), 1);
    EXPECT_EQ(channels[5]->CMDChannel0SensorInfo::getEegElectrode(0)->CEEGelectrode::getElectrodePositionD(x, y, z), 1);
    EXPECT_GE(channels[0]->megX2d + channels[0]->megY2d + channels[5]->eegX2d + channels[5]->eegY2d, 0.0);

    CSnsCohFaceqz* face = trial->CMDTrial7Coh01TimeData::getCoherenceFaceqzTime(false);
    ASSERT_NE(face, nullptr);
    double r1 = 0, r2 = 0, r3 = 0, r4 = 0;
    EXPECT_EQ(trial->CMDTrial7Coh01TimeData::getCohMeasurementResults(0, r1, r2, r3, r4, true), 1);
    EXPECT_EQ(trial->CMDTrial7Coh01TimeData::getCohMeasurementResultsSN(0, CString(L"L"), r1, r2, r3, r4, true), 1);
    CSnsCohDataqz* data = face->CSnsCohFace::getCoherenceData(-1);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(face->CSnsCohFace::setTrlCxcClass(0), 1);
    double lo = 0.0, hi = 0.0;
    EXPECT_EQ(face->CSnsCohFace02Prcs::getSnsCohRange(0, lo, hi, false, 1), 1);
    EXPECT_EQ(hi, 0.5);
    CStatic view;
    EXPECT_EQ(face->CSnsCohFace08Show::viewerAdd(&view), 1);
    CWavChnlChnlDataqz** pairs = data->CSnsCohData00Time::getMCC4class();
    ASSERT_EQ(pairs, data->pairs);
    __int64 b = 0, e = 0;
    data->CSnsCohData00Time::getSelect(b, e);
    EXPECT_EQ(e, 8);
    EXPECT_EQ(data->CSnsCohData00Time::setSelect(b, e), 1);
    EXPECT_EQ(data->CSnsCohData00Time::checkSelect(b, e), 1);
    EXPECT_NEAR(data->CSnsCohData::getValueSelect(-1, -1, 0, 1), 0.5, 1e-15);
    EXPECT_EQ(data->CSnsCohData::getSnsCohRange(lo, hi, false, 0, 0, 1), 1);
    EXPECT_EQ(data->CSnsCohData::getLatency4PtSecond(3), 0.003);
    double o1, o2;
    EXPECT_EQ(data->CSnsCohData08Show::getCxcAbsRange(o1, o2, true, false, -1, -1), 1);
    EXPECT_EQ(data->CSnsCohData08Show::nextSelect(1, 1), 1);
    EXPECT_EQ(data->CSnsCohData08Show::getChnlTypeIDname(), L"MEG+EEG");
    EXPECT_EQ(data->CSnsCohData08Show::getCxcCmptInfo(), L"Coherence");
    EXPECT_EQ(data->CSnsCohData02Prcs::checkDataRange(), 1);
    EXPECT_EQ(data->CSnsCohData02Prcs::normRMS(), 1);
    EXPECT_NEAR(pairs[0][1].CWavChnlChnlData::getSelectDataMean(3, 3, data->meanMode), 1.0, 1e-15);
    EXPECT_EQ(pairs[1][0].rowChnl, 1);
    EXPECT_EQ(pairs[1][0].colChnl, 0);
    EXPECT_NE(pairs[1][0].series, nullptr);
    data->rangeStamp += 1;
    EXPECT_EQ(data->measureKind + data->meanMode, 0);
    EXPECT_EQ(data->text, L"test trial01: Active");
}

TEST(CompanionSurface, DrawingServicesThroughTheirLayers)
{
    testgdi::Canvas c(200, 120);
    auto ds = DataSet().meg(3).build();
    auto drawer = std::make_unique<CMEGDraw1background>();
    drawer->CMEGDraw::setDrawMEGData(ds.get());
    EXPECT_EQ(drawer->CMEGDraw::updateMEGData(), 1);
    EXPECT_EQ(drawer->CMEGDraw::setDisplayMode(1u), 1);
    EXPECT_EQ(drawer->CMEGDraw::setOverlayType(drawer->CMEGDraw::getOverlayType()), 0);
    EXPECT_EQ(drawer->CMEGDraw::setDisplayColumn(drawer->CMEGDraw::getDisplayColumn()), 3);
    EXPECT_EQ(drawer->CMEGDraw::setDrawBeginSampleIDX(10), 10);
    EXPECT_EQ(drawer->CMEGDraw1background::drawGridLines(&c.dc, CRect(0, 0, 200, 120)), 1);
    EXPECT_EQ(drawer->CMEGDraw1background::drawMarksLine(&c.dc, CRect(0, 0, 200, 120)), 1);

    CDataGridRect grid;
    EXPECT_NE(grid.CDataGridRect::checkInitSnsrLoc2D(3), nullptr);
    EXPECT_NE(grid.CDataGridRect::initDataGridRect(4, 4), nullptr);
    CContourLineMapqz contour;
    contour.CContourLineMapqz::_clean();
    EXPECT_EQ(contour.CContourLineMapqz::initLevelAbs(0.5, 1.0, 2), 1);
    EXPECT_EQ(contour.CContourLineMapqz::dataGrid2ContourLinePro(&grid), 1);
    CPen a(PS_SOLID, 1, RGB(255, 0, 0)), b(PS_DASH, 1, 0);
    EXPECT_EQ(contour.CContourLineMapqz::drawMap(&c.dc, 60, 60, 1.0, 1.0, 200, 120, false, false, &a, &b), 0);  // no lines
    grid.CDataGridRect::cleanDataGridRect();
    grid.CDataGridRect::cleanSnsrLoc2D();

    CDrawClipsqz clips;
    EXPECT_EQ(clips.CDrawClipsqz::initDcMemor(200, 120, &c.dc, RGB(255, 255, 255), 0), 1);
    EXPECT_EQ(clips.CDrawClipsqz::transparentClip(30, 90, 170, 30, &c.dc), 1);

    CBitmapHighQualityDrawqz hq;
    RGBQUAD px[4] = {};
    EXPECT_EQ(hq.CBitmapHighQualityDraw::drawHighQualityImage(c.dc.GetSafeHdc(), px, 2, 2, 20, 20, 5, 5, 1, 12), 1);
    hq.CBitmapHighQualityDraw::cleanData();

    auto meg = std::make_unique<CMegIndex2Colorqz>();
    auto adr = std::make_unique<CADRindex2Colorqz>();
    EXPECT_EQ(meg->CMegIndex2Color01Colorref::colNeg512[0], RGB(255, 255, 255));
    EXPECT_EQ(meg->CMegIndex2Color04RGBQ::rgbqPos512[0].rgbRed, 255);
    EXPECT_EQ(meg->CMegIndex2Color06RGBQsam::rgbqNeg768[767].rgbBlue, 128);
    EXPECT_EQ(adr->ramps256[7][255], RGB(255, 0, 0));

    CPenSetupqz::clearChoices();
    CPenSetupqz setup;
    EXPECT_EQ(setup.CPenSetupqz::setupPen(&a, nullptr), 0);
    static CRichInfoqz info;
    EXPECT_EQ(info.CRichInfoqz::showRichInfo02(CString(L"x"), CString(L"y")), 1);
}
