// Resource ids of the coupling map module: dialog templates, the map dialogs' menu, icons and every
// control named in the templates. Ids shared by several templates have one name and one role.
// Template rectangles are in dialog units with fixed base units of 6 x 13 pixels (cxcresource.h).
#pragma once

// ---- dialog templates ----------------------------------------------------------------------------
#define IDD_MEG_TOPLINK_2DMAP 3717      // MEG link map dialog
#define IDD_CXC_ROWCOLUMN_VIEWER 3718   // row/column viewer
#define IDD_MEG_TOPWAVE_2DMAP 3719      // MEG patch map dialog
#define IDD_MEG_CONTOUR_2DMAP 3720      // MEG contour map dialog
#define IDD_EEG_TOPLINK_2DMAP 3721      // EEG link map dialog
#define IDD_EEG_CONTOUR_2DMAP 3722      // EEG contour map dialog
#define IDD_EEG_TOPWAVE_2DMAP 3723      // EEG patch map dialog
#define IDD_CXC_MATRIX_VIEWER 3725      // matrix viewer
#define IDD_MEG_SHOW_STDSET 3778        // standard display parameters dialog

// ---- menu and icons ------------------------------------------------------------------------------
#define IDR_MENU_CXCMAP 3772            // "Edit" and "View" of the map dialogs
#define IDI_ICON_CXCMAP 3774            // big icon of every map dialog
#define IDI_ICON_STDSET 3781            // big icon of the standard display parameters dialog

// ---- controls shared by the map dialogs --------------------------------------------------------------
#define IDC_MAP_VIEW 3763               // the sensor map view (static)
#define IDC_ROW_COMBO 3773              // row channel (also the row list of the row/column viewer)
#define IDC_COLUMN_COMBO 3777           // column channel
#define IDC_RADIOLOGY 3766              // "Radiology... "
#define IDC_SHOW_LABEL_CHECK 3752       // "Label"
#define IDC_SHOW_SENSOR_CHECK 3753      // "Sensor"
#define IDC_SENSOR_SIZE 3762            // "Sns Size"
#define IDC_SELECT_BEGIN 3758           // "SelectB"
#define IDC_SELECT_END 3757             // "SelectE"
#define IDC_APPLY 3744                  // "Apply"
#define IDC_UPDATE 3745                 // "Update"
#define IDC_PLAY 3746                   // "Play" / "Animate"
#define IDC_RESET 3764                  // "Reset"
#define IDC_AUTOFIT 3751                // "Autofit"

// ---- link dialogs ----------------------------------------------------------------------------------
#define IDC_SHOW_LINK 3754              // "Show Link"
#define IDC_COLOR_LINK 3755             // "Color Link"
#define IDC_MAX_LINK 3759               // "Max Link"
#define IDC_LINK_THRESHOLD 3760         // "Threshold"
#define IDC_TOP_PERCENT 3761            // "Top(%)"
#define IDC_FIT_TOP 3747                // "Fit Top"
#define IDC_STEP_FORWARD 3748           // ">>>"
#define IDC_STEP_BACK 3749              // "<<<"
#define IDC_GT_SW 3765                  // "GT SW"
#define IDC_SETTING 3750                // "Setting" (MEG only)

// ---- patch dialogs (and the row/column viewer) --------------------------------------------------------
#define IDC_TIME_SCALE 3784             // "Time Scale" edit
#define IDC_TIME_SCALE_SPIN 3785        // its up-down control (horizontal)
#define IDC_AMP_SCALE 3789              // "Amp Scale" edit
#define IDC_AMP_SCALE_SPIN 3787         // its up-down control (vertical)

// ---- contour dialogs -------------------------------------------------------------------------------
#define IDC_COLOR_SCALE 3780            // "2", "512", "768"
#define IDC_TYPE_FIELD 3768             // "Field" (first of the display type group)
#define IDC_TYPE_LINE 3767              // "Line"
#define IDC_TYPE_BOTH 3769              // "Both"
#define IDC_FIELD_MAXIMUM 3794          // "Maximum"
#define IDC_CONTOUR_THRESHOLD 3791      // "Threshold"
#define IDC_CONTOUR_LEVELS 3792         // "Levels"
#define IDC_LATENCY_BEGIN 3796          // "0 ms"
#define IDC_LATENCY_END 3798            // "1 ms"

// ---- standard display parameters dialog -----------------------------------------------------------
#define IDC_POLARITY_VIEW 3809          // "Polarity View"
#define IDC_CLASS_COMBO 3740            // "Active", "Control", "Results"
#define IDC_SELECT_MIN_TEXT 3738        // "Select Min"
#define IDC_SELECT_MIN_BAR 3741         // low value scroll bar
#define IDC_SELECT_MAX_TEXT 3739        // "Select Max"
#define IDC_SELECT_MAX_BAR 3743         // high value scroll bar
#define IDC_SCALE_1 3731                // "1" (first of the colour scale group)
#define IDC_SCALE_2 3733                // "2"
#define IDC_SCALE_256 3735              // "256"
#define IDC_SCALE_512 3737              // "512"
#define IDC_SCALE_768 3732              // "768"
#define IDC_SCALE_1024 3730             // "1024"
#define IDC_STDSET_REFRESH 3742         // "Refresh"
#define IDC_STDSET_UPDATE 3736          // "Update"
#define IDC_STDSET_APPLY 3734           // "Apply"
// IDOK (1) is its "Exit" button.

// ---- row/column viewer --------------------------------------------------------------------------------
#define IDC_RC_VIEW 3770                // the waveform view (static)
#define IDC_RC_CLASS 3786               // coupling class
#define IDC_RC_TRIAL 3771               // trial file names
#define IDC_RC_COLUMN 3776              // highlighted column channel
#define IDC_RC_LAYOUT 3779              // "Overlay", "Columns"
#define IDC_RC_TYPE 3782                // overlay type or column count
#define IDC_RC_CHANNEL_TYPE 3783        // channel type name
#define IDC_SAMPLE_BEGIN 3790           // "Start ID" of the viewer, "Select B" of the matrix viewer
#define IDC_REFRESH 3788                // "Refresh" of both viewers

// ---- matrix viewer --------------------------------------------------------------------------------------
#define IDC_MATRIX_VIEW 3800            // the matrix view (bordered static)
#define IDC_MATRIX_CHANNEL_TYPE 3799    // channel type name
#define IDC_PIXEL_WIDTH 3793            // "Pixel Width"
#define IDC_PIXEL_HEIGHT 3795           // "Pixel Height"
#define IDC_SAMPLE_END 3802             // "Select E"
#define IDC_ORIGIN_X_SPIN 3805          // steps origin x (horizontal, arrow keys)
#define IDC_ORIGIN_X 3803               // origin x
#define IDC_ORIGIN_Y_SPIN 3806          // steps origin y (vertical, arrow keys)
#define IDC_ORIGIN_Y 3804               // origin y
#define IDC_MATRIX_SHOW_LABEL 3807      // "Show Label"
#define IDC_COLOR_SELECT 3810           // "Color Select"
#define IDC_COLOR_ALL 3811              // "Color All"
#define IDC_POSITION_M 3801             // "Position M"
#define IDC_MATRIX_PLAY 3808            // "Start..."
#define IDC_MATRIX_UPDATE 3797          // "Update"

// ---- menu commands ----------------------------------------------------------------------------------------
#define ID_EDIT_NORMALIZE_RMS 3812      // "Normalize (RMS)"
#define ID_EDIT_CHECK_DATA_RANGE 3813   // "Check Data Range"
#define ID_EDIT_SETUP_BLACK_PEN 3814    // "Setup Black Pen"
#define ID_EDIT_SETUP_RED_PEN 3815      // "Setup Red Pen"
#define ID_EDIT_SETUP_BLUE_PEN 3816     // "Setup Blue Pen"
#define ID_VIEW_REFRESH 3817            // "Refresh"
#define ID_VIEW_SHOW_INFORMATION 3818   // "Show Information"
#define ID_EDIT_GT_THRESHOLD 3820       // "Graph Theory (Small World) Threshold"
#define ID_EDIT_GT_PRECISE 3821         // "Graph Theory (Small World) Precise"
#define ID_EDIT_GT_ACTIVE_ONLY 3822     // "Graph Theory for Active Channel Only"
