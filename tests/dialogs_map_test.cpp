// The map inside the dialogs: resize, a click on a sensor, and a current row outside the pair array.
#include "dialogs_fixture.h"
#include "mapdialogcore.h"
#include "show_table.h"

namespace {

using namespace dlgtest;

class DialogMap : public DialogTest {};

DataSet linked(Modality m) { return square(m).pair(0, 1, 0.8).pair(2, 3, -0.7).select(0, 48); }

}  // namespace

// The view's new size and place are pinned by the snapshots, each of which resizes its window.
TEST_F(DialogMap, ResizingDropsTheSurfaceAndRepaints)
{
    Host h(linked(Modality::Meg));
    for (CDlgCxcMapCore* dlg : {static_cast<CDlgCxcMapCore*>(h.megLink()), static_cast<CDlgCxcMapCore*>(h.eegWave())}) {
        ASSERT_NE(dlg, nullptr);
        harness::pumpPaints();
        ASSERT_TRUE(harness::resize(dlg, 900, 760));
        EXPECT_EQ(dlg->viewFields().memDC, nullptr);  // rebuilt at the next paint
        EXPECT_TRUE(harness::needsPaint(&dlg->viewWindow()));
    }
}

TEST_F(DialogMap, ADialogTooSmallForItsMarginsLeavesTheMapEmpty)
{
    Host h(linked(Modality::Eeg));
    CDlgEegCxcTopLink2DMap* dlg = h.eegLink();
    ASSERT_NE(dlg, nullptr);
    const CRect before = harness::controlRect(dlg, IDC_MAP_VIEW);
    ASSERT_TRUE(harness::resize(dlg, 15, 20));
    const CRect small = harness::controlRect(dlg, IDC_MAP_VIEW);
    EXPECT_EQ(small.TopLeft(), before.TopLeft());
    EXPECT_EQ(small.Width(), 0);
    EXPECT_EQ(small.Height(), 0);
    harness::pumpPaints();
    EXPECT_EQ(dlg->mapView.memDC, nullptr);
    EXPECT_TRUE(harness::messageBoxes().empty());
    ASSERT_TRUE(harness::resize(dlg, 700, 600));
    harness::pumpPaints();
    EXPECT_EQ(dlg->mapView.mapWidth, 690 - before.left);
    EXPECT_EQ(dlg->mapView.linkCount, 2);
}

TEST_F(DialogMap, AClickOnASensorSelectsItThroughTheDialogMirroredWithRadiology)
{
    Host h(linked(Modality::Meg));
    CDlgMegCxcTopLink2DMap* dlg = h.megLink();
    ASSERT_NE(dlg, nullptr);
    harness::pumpPaints();
    ASSERT_TRUE(harness::clickInControl(dlg, IDC_MAP_VIEW, squareSensor(dlg->mapView, 3)));
    EXPECT_EQ(h.cls().curCol, 3);
    EXPECT_EQ(str(dlg->mapView.clickedText), L"MRP14");
    EXPECT_TRUE(harness::needsPaint(&dlg->mapView));
    harness::pumpPaints();
    const int r = dlg->mapView.sensorRadius + 1;
    EXPECT_GT(countAround(mapPicture(&dlg->mapView), kRed, squareSensor(dlg->mapView, 3), r), 10);
    // Between the sensors nothing is hit.
    const CPoint empty = midpoint(squareSensor(dlg->mapView, 0), squareSensor(dlg->mapView, 3));
    ASSERT_TRUE(harness::clickInControl(dlg, IDC_MAP_VIEW, empty));
    EXPECT_EQ(h.cls().curCol, 3);

    // With radiology the click finds the mirrored sensor.
    Host e(linked(Modality::Eeg));
    CDlgEegCxcTopWave2DMap* wave = e.eegWave();
    ASSERT_NE(wave, nullptr);
    ASSERT_TRUE(harness::clickCheck(wave, IDC_RADIOLOGY));
    harness::pumpPaints();
    const CPoint plain = squareSensor(wave->mapView, 1);  // right bottom; mirrored it sits left
    ASSERT_TRUE(harness::clickInControl(wave, IDC_MAP_VIEW, CPoint(wave->mapView.mapWidth - plain.x, plain.y)));
    EXPECT_EQ(e.cls().curCol, 1);
    EXPECT_EQ(str(wave->mapView.clickedText), L"MRC12");
}

TEST_F(DialogMap, ACurrentRowOutsideOrMissingFromThePairArrayShowsEmptyListsAndPaintsSafely)
{
    Host meg(linked(Modality::Meg)), eeg(linked(Modality::Eeg));
    const std::pair<Host*, CDlgCxcMapCore*> dialogs[] = {
        {&meg, meg.megLink()}, {&eeg, eeg.eegLink()}, {&meg, meg.megWave()}, {&eeg, eeg.eegWave()}};
    for (long long row : {-1LL, 4LL, 1LL << 40}) {
        for (auto [host, dlg] : dialogs) {
            ASSERT_NE(dlg, nullptr);
            host->cls().curRow = row;
            EXPECT_EQ(dlg->refreshDialog(), 1);
            EXPECT_TRUE(harness::comboItems(dlg, IDC_ROW_COMBO).empty());
            EXPECT_TRUE(harness::comboItems(dlg, IDC_COLUMN_COMBO).empty());
            ASSERT_TRUE(harness::clickButton(dlg, IDC_APPLY));
            ASSERT_TRUE(harness::clickButton(dlg, IDC_UPDATE));
            ASSERT_TRUE(harness::clickInControl(dlg, IDC_MAP_VIEW, CPoint(100, 100)));
            harness::pumpPaints();
            EXPECT_EQ(host->cls().curRow, row);
            EXPECT_FALSE(mapPicture(&dlg->viewWindow()).isNull());
        }
    }
    for (const auto& m : harness::messageBoxes()) ADD_FAILURE() << cxc::toUtf8(m.text);
    // A missing row of the pair array: empty lists too.
    Host h(linked(Modality::Meg).nullRow(0));
    CDlgMegCxcTopLink2DMap* link = h.megLink();
    CDlgMegCxcTopWave2DMap* wave = h.megWave();
    ASSERT_TRUE(link && wave);
    for (CDlgCxcMapCore* dlg : {static_cast<CDlgCxcMapCore*>(link), static_cast<CDlgCxcMapCore*>(wave)}) {
        EXPECT_TRUE(harness::comboItems(dlg, IDC_ROW_COMBO).empty());
        EXPECT_TRUE(harness::comboItems(dlg, IDC_COLUMN_COMBO).empty());
    }
    harness::pumpPaints();
    EXPECT_FALSE(mapPicture(&link->mapView).isNull());
    h.cls().curRow = 1;  // a row that is there fills the lists again
    ASSERT_TRUE(harness::clickButton(link, IDC_UPDATE));
    EXPECT_EQ(harness::comboItems(link, IDC_ROW_COMBO).size(), 4u);
}

TEST_F(DialogMap, TheLabelAndSensorBoxesFollowTheirOwnViewFields)
{
    for (const showtable::Show& s : showtable::kShows) {
        const int modality = showtable::modalityOf(s);
        if (s.cxcClass != 0 || modality < 0) continue;  // the link, patch and contour maps of both modalities
        Host h(square(modality ? Modality::Eeg : Modality::Meg).pair(0, 1, 0.8));
        ASSERT_EQ((h.face.*s.show)(h.data.get(), nullptr), 1);
        auto* dlg = dynamic_cast<CDlgCxcMapCore*>(h.face.*s.slot);
        ASSERT_NE(dlg, nullptr);
        auto& v = dlg->viewFields();
        for (const bool label : {true, false}) {
            SCOPED_TRACE(std::string(s.name) + (label ? ": labels only" : ": sensors only"));
            v.showLabel = label;
            v.showSensor = !label;
            dlg->refreshDialog();
            EXPECT_EQ(harness::check(dlg, IDC_SHOW_LABEL_CHECK), label ? BST_CHECKED : BST_UNCHECKED);
            EXPECT_EQ(harness::check(dlg, IDC_SHOW_SENSOR_CHECK), label ? BST_UNCHECKED : BST_CHECKED);
            v.showLabel = !label;
            v.showSensor = label;
            dlg->storeDialog();
            EXPECT_EQ(v.showLabel, label ? 1 : 0);
            EXPECT_EQ(v.showSensor, label ? 0 : 1);
        }
    }
}
