// Destroying the facade deletes the dialogs it holds in a fixed order: viewers, EEG, then MEG maps.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cxcharness.h"
#include "megshowccdata2dfaceqz.h"
#include "moduleresources.h"
#include "resource.h"

namespace {

std::vector<std::string> destroyed;

// A dialog that notes its name (and whether its window was still there) when it is deleted.
class NotingDialog : public CDialog {
public:
    explicit NotingDialog(std::string name) : name_(std::move(name)) {}
    ~NotingDialog() override { destroyed.push_back(name_ + (::IsWindow(GetSafeHwnd()) ? " window" : "")); }

private:
    std::string name_;
};

struct Slot {
    const char* name;
    CDialog* CMEGShowCCData2DFaceqz::*member;
};

using F = CMEGShowCCData2DFaceqz;
// In the order the facade deletes them.
const Slot kSlots[24] = {
    {"rowColAct", &F::rowColAct},   {"rowColCtl", &F::rowColCtl},   {"rowColRst", &F::rowColRst},
    {"matrixAct", &F::matrixAct},   {"matrixCtl", &F::matrixCtl},   {"matrixRst", &F::matrixRst},
    {"eegLinkAct", &F::eegLinkAct}, {"eegLinkCtl", &F::eegLinkCtl}, {"eegLinkRst", &F::eegLinkRst},
    {"eegWaveAct", &F::eegWaveAct}, {"eegWaveCtl", &F::eegWaveCtl}, {"eegWaveRst", &F::eegWaveRst},
    {"eegCntAct", &F::eegCntAct},   {"eegCntCtl", &F::eegCntCtl},   {"eegCntRst", &F::eegCntRst},
    {"megLinkAct", &F::megLinkAct}, {"megLinkCtl", &F::megLinkCtl}, {"megLinkRst", &F::megLinkRst},
    {"megWaveAct", &F::megWaveAct}, {"megWaveCtl", &F::megWaveCtl}, {"megWaveRst", &F::megWaveRst},
    {"megCntAct", &F::megCntAct},   {"megCntCtl", &F::megCntCtl},   {"megCntRst", &F::megCntRst},
};

class FacadeSlots : public ::testing::Test {
protected:
    void SetUp() override { destroyed.clear(); }
};

}  // namespace

TEST_F(FacadeSlots, DialogsGoInTheFixedOrderWindowsAndAll)
{
    std::vector<std::string> expected;
    {
        auto face = std::make_unique<CMEGShowCCData2DFaceqz>();
        // Filled in another order than they go, half of them with an open window.
        for (int i = 23; i >= 0; --i) {
            auto* dlg = new NotingDialog(kSlots[i].name);
            if (i % 2 == 0) {
                ASSERT_TRUE(dlg->Create(IDD_MEG_TOPLINK_2DMAP));
            }
            (*face).*kSlots[i].member = dlg;
        }
        for (int i = 0; i < 24; ++i) expected.push_back(std::string(kSlots[i].name) + (i % 2 == 0 ? " window" : ""));
        CMEGShowCCData2DFaceqz* raw = face.release();
        delete static_cast<CMEGDraw*>(raw);  // through the drawer's virtual destructor, as a host may
    }
    EXPECT_EQ(destroyed, expected);
}
