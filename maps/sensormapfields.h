// The state every sensor map view holds, MEG or EEG alike: where its data come from, how the 2-D
// sensor plane is fitted to the control, the off-screen surface, pens, font, texts, the link and
// patch settings, and the members of the grid, field and line layers. The two view chains derive
// from it next to CStatic, so each field is declared once; the MEG chain adds its magnitude-style
// link fields itself. Dialogs read and write these members directly.
#pragma once

#include <vector>

#include "afxwin.h"
#include "cxccompanions.h"
#include "mapdefs.h"
#include "modulebase.h"

namespace cxc::maps {

// The grid's weight cells laid out flat, for the animation step's sums (made and read by the grid
// layer; stale once any cell changes).
struct GridValuePlan {
    unsigned long long changes = 0;        // WeightCell::changes() when made
    WeightCell* const* weights = nullptr;  // the tables it was made from
    int nx = 0, ny = 0, row = 0;
    bool oneRow = false;                   // every entry names `row`, columns 0 .. highCol
    int highCol = -1;
    std::vector<size_t> start;             // cell i * ny + j holds entries start[n] .. start[n + 1] - 1
    std::vector<int> col;
    std::vector<double> w;
    std::vector<int> firstSeen;            // the distinct columns, in the order the cells first name them
    std::vector<double> fetched;           // by column
    std::vector<double> sums;              // by cell
};

struct SensorMapFields {
    explicit SensorMapFields(ChnlType type);
    ~SensorMapFields();
    SensorMapFields(const SensorMapFields&) = delete;
    SensorMapFields& operator=(const SensorMapFields&) = delete;

    // Deletes the off-screen surface (the DC first, so that its bitmap is no longer selected when it
    // goes); the next paint makes a new one of the control's size.
    void releaseSurface();

    int cxcClass = 0;                      // coupling class shown: 0 Active, 1 Control, 2 Act-Ctl
    CMEGDrawCCDataqz* drawer = nullptr;    // the facade's drawer; painting refuses to work without it
    CArrayMEDataSetqz* dataSet = nullptr;  // handed in by the entry point, owned by the host
    CMEGDataqz* session = nullptr;         // current session, looked up again by every operation
    CMDTrialqz* trial = nullptr;           // current trial of that session
    CWnd* parentWnd = nullptr;             // parent handed in by the entry point
    double timeScale = 1.0;                // px per sample of a waveform patch
    double ampScale = 0.001;               // px per unit of coupling value of a waveform patch
    double scaleX = 1.0;                   // px per plane unit, horizontal (set when the plane is fitted)
    double scaleY = 1.0;                   // px per plane unit, vertical
    int gridReserved = 0;                  // kept for the grid layer; no layer reads it
    int margin = 120;                      // px kept free around the layout, half on each side
    int mapHeight = 0;                     // px: size of the off-screen surface when it was made
    int mapWidth = 0;
    CRect clientRect;                      // client rectangle when the surface was made
    CDC* memDC = nullptr;                  // owned off-screen surface: a memory DC ...
    CBitmap* memBitmap = nullptr;          // ... with this bitmap selected
    int showSensor = 1;                    // sensor circles and the clicked-sensor text
    int showLabel = 1;                     // sensor labels
    int radiology = 0;                     // non-zero: left and right mirrored
    int sensorRadius = 6;                  // px: circle radius and hit-test half-width
    int autofit = 1;                       // "Autofit": contour threshold follows the field
    COLORREF textColor = RGB(255, 255, 0); // texts drawn over the map
    COLORREF backColor = RGB(255, 255, 255);
    COLORREF sensorColor = RGB(0, 0, 0);   // sensor circles and ordinary waveform patches
    COLORREF selectColor = RGB(255, 0, 0); // waveform patch of the selected channel
    CPen linkPenBlack;                     // solid, 2 px: plain links
    CPen linkPenRed;                       // solid, 2 px: links of a mean >= 0
    CPen linkPenBlue;                      // solid, 2 px: links of a negative mean
    CString clickedText;                   // top left: "No sensor is clicked!" or the clicked sensor
    CFont* textFont = nullptr;             // owned: font of every text over the map
    LOGFONTW textLogFont{};                // Arial, height 16: what textFont is made from
    int mapMode = MapModeTopLink;
    int showLink = 1;                      // "Show Link"
    int linkStyle = 1;                     // 0 plain, 1 signed (MEG: 2..5 magnitude styles)
    double linkThreshold = 0.5;            // smallest |mean| that makes a link (below 0 acts as 0)
    __int64 maxLink = 200;                 // most links drawn in one paint (below 1 acts as 1)
    __int64 linkCount = 0;                 // links drawn by the last link drawing
    int playing = 0;                       // play or animate timer running
    int playInterval = 100;                // ms between play or animate steps
    int showInfo = 1;                      // information line and connection text
    CDrawClipsqz clips;                    // transparent corner overlay
    CString infoCaption;                   // caption handed with a graph report
    int chnlType = ChnlTypeMeg;            // channels and plane positions used: 0 MEG, 1 EEG
    double contourThreshold = 100.0;       // lowest contour level
    int contourLevels = 16;                // number of contour levels
    CContourLineMapqz contour;             // traced contour lines
    CDataGridRect grid;                    // interpolation grid and the sensor location table
    GridValuePlan gridPlan;                // the grid's weights, flat
    int useStdProjection = 0;              // non-zero: standard 3-D to 2-D projection
    int scanSize = 100;                    // plane units the parameterised projection is scanned to
    double projScale = 1.0;                // scale of the standard projection
    int colorScale = 1;                    // contour colour scale: 0 "2", 1 "512", 2 "768"
    BITMAPINFO* fieldBmpInfo = nullptr;    // owned header of the field image (new BYTE[], header and
                                           // 256 palette entries); freed by the field layer
    RGBQUAD* fieldPixels = nullptr;        // owned nx * ny pixels of the field image (new RGBQUAD[])
    CBitmapHighQualityDrawqz hqDraw;       // smooth stretching of the field image
    CADRindex2Colorqz adrColors;           // link and matrix ramps
    CMegIndex2Colorqz megColors;           // signed field tables
    int gridBorder = 2;                    // grid cells beyond the sensors on every side
    int radiusMeanMode = 1;                // influence radius from the mean neighbour distance
    double fieldReserved = 16.0;           // kept for the field layer; no layer reads it
    int contourType = 0;                   // 0 field, 1 lines, 2 both
};

}  // namespace cxc::maps
