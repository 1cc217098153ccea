// Every show function of the facade with the slot that keeps its window, for the tests and fuzz
// targets that go through all windows alike. A window added to the facade is one more line here.
#pragma once

#include "megshowccdata2dfaceqz.h"
#include "resource.h"

namespace showtable {

using Face = CMEGShowCCData2DFaceqz;

enum class Kind { Link, Patch, Contour, RowColumn, Matrix };

struct Show {
    const char* name;
    int (Face::*show)(CArrayMEDataSetqz*, CWnd*);
    CDialog* Face::*slot;
    Kind kind;
    int modality;  // 0 MEG, 1 EEG, -1 both (the viewers)
    int cls;       // 0 Active, 1 Control, 2 Act-Ctl
};

inline constexpr Show kShows[] = {
    {"MegActLink", &Face::showDlgCxcMegActLink2DMap, &Face::megLinkAct, Kind::Link, 0, 0},
    {"MegCtlLink", &Face::showDlgCxcMegCtlLink2DMap, &Face::megLinkCtl, Kind::Link, 0, 1},
    {"MegRstLink", &Face::showDlgCxcMegRstLink2DMap, &Face::megLinkRst, Kind::Link, 0, 2},
    {"MegActWave", &Face::showDlgCxcMegActWave2DMap, &Face::megWaveAct, Kind::Patch, 0, 0},
    {"MegCtlWave", &Face::showDlgCxcMegCtlWave2DMap, &Face::megWaveCtl, Kind::Patch, 0, 1},
    {"MegRstWave", &Face::showDlgCxcMegRstWave2DMap, &Face::megWaveRst, Kind::Patch, 0, 2},
    {"MegActCnt", &Face::showDlgCxcMegActCntFieldLine2DMap, &Face::megCntAct, Kind::Contour, 0, 0},
    {"MegCtlCnt", &Face::showDlgCxcMegCtlCntFieldLine2DMap, &Face::megCntCtl, Kind::Contour, 0, 1},
    {"MegRstCnt", &Face::showDlgCxcMegRstCntFieldLine2DMap, &Face::megCntRst, Kind::Contour, 0, 2},
    {"EegActLink", &Face::showDlgCxcEegActLink2DMap, &Face::eegLinkAct, Kind::Link, 1, 0},
    {"EegCtlLink", &Face::showDlgCxcEegCtlLink2DMap, &Face::eegLinkCtl, Kind::Link, 1, 1},
    {"EegRstLink", &Face::showDlgCxcEegRstLink2DMap, &Face::eegLinkRst, Kind::Link, 1, 2},
    {"EegActWave", &Face::showDlgCxcEegActWave2DMap, &Face::eegWaveAct, Kind::Patch, 1, 0},
    {"EegCtlWave", &Face::showDlgCxcEegCtlWave2DMap, &Face::eegWaveCtl, Kind::Patch, 1, 1},
    {"EegRstWave", &Face::showDlgCxcEegRstWave2DMap, &Face::eegWaveRst, Kind::Patch, 1, 2},
    {"EegActCnt", &Face::showDlgCxcEegActCntFieldLine2DMap, &Face::eegCntAct, Kind::Contour, 1, 0},
    {"EegCtlCnt", &Face::showDlgCxcEegCtlCntFieldLine2DMap, &Face::eegCntCtl, Kind::Contour, 1, 1},
    {"EegRstCnt", &Face::showDlgCxcEegRstCntFieldLine2DMap, &Face::eegCntRst, Kind::Contour, 1, 2},
    {"RowColumnAct", &Face::showDlgCxcRowColumnAct, &Face::rowColAct, Kind::RowColumn, -1, 0},
    {"RowColumnCtl", &Face::showDlgCxcRowColumnCtl, &Face::rowColCtl, Kind::RowColumn, -1, 1},
    {"RowColumnRst", &Face::showDlgCxcRowColumnRst, &Face::rowColRst, Kind::RowColumn, -1, 2},
    {"MatrixAct", &Face::showDlgCxcMatrixAct, &Face::matrixAct, Kind::Matrix, -1, 0},
    {"MatrixCtl", &Face::showDlgCxcMatrixCtl, &Face::matrixCtl, Kind::Matrix, -1, 1},
    {"MatrixRst", &Face::showDlgCxcMatrixRst, &Face::matrixRst, Kind::Matrix, -1, 2},
};

inline constexpr int kShowCount = static_cast<int>(sizeof(kShows) / sizeof(kShows[0]));

// The control that shows a window's picture, and the button that starts its timer (0: none).
constexpr int viewIdOf(Kind k)
{
    return k == Kind::RowColumn ? IDC_RC_VIEW : k == Kind::Matrix ? IDC_MATRIX_VIEW : IDC_MAP_VIEW;
}
constexpr int playIdOf(Kind k)
{
    return k == Kind::RowColumn ? 0 : k == Kind::Matrix ? IDC_MATRIX_PLAY : IDC_PLAY;
}

}  // namespace showtable
