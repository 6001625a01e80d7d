// The program's form templates, in dialog units, and the main form's initial
// data. Texts are exactly as the forms show them, trailing and double spaces
// included.
#include "resources/program_resources.h"

#include "framework/base/afx.h"
#include "framework/base/resources.h"
#include "resources/resource.h"

namespace {
using K = ControlKind;
constexpr unsigned kLabel = kStyleNone;
constexpr unsigned kTapLabel = SS_NOTIFY;
constexpr unsigned kList = CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP;
constexpr unsigned kInputBox = WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP;
constexpr unsigned kResultBox = WS_BORDER | ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP;
constexpr unsigned kInfoBox = ES_READONLY | ES_AUTOHSCROLL;
constexpr unsigned kHelpText = WS_GROUP;
constexpr unsigned kAboutText = SS_LEFTNOWORDWRAP | WS_GROUP;
constexpr unsigned kResultLabel = SS_LEFTNOWORDWRAP | WS_GROUP;

const DialogTemplate kTemplates[] = {
    {IDD_VEXTONDOFCE_DIALOG,
     "Vexton.DOF.CE",
     160,
     186,
     8,
     {
         {IDC_STATIC, K::Static, kLabel, 7, 7, 10, 8, ""},
         {IDC_LBL_CAMERA, K::Static, kTapLabel, 7, 16, 28, 8, "Camera:"},
         {IDC_LBL_FOCAL_LENGTH, K::Static, kTapLabel | SS_LEFTNOWORDWRAP, 7, 36, 44, 8,
          "Focal Length:"},
         {IDC_LBL_APERTURE, K::Static, kTapLabel, 7, 56, 32, 8, "Aperture:"},
         {IDC_LBL_DISTANCE, K::Static, kTapLabel, 7, 76, 31, 8, "Distance:"},
         {IDC_LBL_COFC, K::Static, kTapLabel, 7, 96, 20, 8, "CofC:"},
         {IDC_LBL_DIOPTER, K::Static, kTapLabel, 7, 116, 27, 8, "Diopter:"},
         {IDC_CAMERA, K::ComboBox, kList, 60, 16, 93, 60, ""},
         {IDC_FOCAL_LENGTH, K::ComboBox, kList, 60, 36, 48, 60, ""},
         {IDC_APERTURE, K::ComboBox, kList, 60, 56, 48, 60, ""},
         {IDC_DISTANCE, K::Edit, kInputBox, 60, 76, 40, 14, ""},
         {IDC_UNIT, K::ComboBox, kList, 105, 76, 48, 60, ""},
         {IDC_COFC, K::ComboBox, kList | CBS_SORT, 60, 96, 48, 60, ""},
         {IDC_DIOPTER, K::Edit, kInputBox, 60, 116, 40, 14, ""},
         {IDC_CALCULATE, K::Button, WS_TABSTOP, 91, 140, 50, 14, "Calculate"},
         {IDC_ABOUT, K::Button, WS_TABSTOP, 17, 140, 50, 14, "About"},
         {IDC_FOCAL_LENGTH_DISPLAY, K::Edit, ES_AUTOHSCROLL | WS_TABSTOP, 113, 117, 40, 14, ""},
     },
     {
         {IDC_CAMERA, IDC_LBL_CAMERA, nullptr},
         {IDC_FOCAL_LENGTH, IDC_LBL_FOCAL_LENGTH, nullptr},
         {IDC_APERTURE, IDC_LBL_APERTURE, nullptr},
         {IDC_DISTANCE, IDC_LBL_DISTANCE, nullptr},
         {IDC_UNIT, IDC_LBL_DISTANCE, "Distance unit"},
         {IDC_COFC, IDC_LBL_COFC, "Circle of confusion"},
         {IDC_DIOPTER, IDC_LBL_DIOPTER, nullptr},
         {IDC_FOCAL_LENGTH_DISPLAY, IDC_LBL_DIOPTER, "Diopter modified focal length"},
     }},
    {IDD_VEXTONDOFCE_DIALOG_WIDE,
     "Vexton.DOF.CE",
     210,
     129,
     8,
     {
         {IDC_WIDE_PLACEHOLDER, K::Static, kLabel, 57, 49, 112, 23, ""},
     },
     {}},
    {IDD_ABOUTBOX,
     "About Vexton.DOF.CE",
     156,
     118,
     8,
     {
         // the project's web address, when it has one
         {IDC_STATIC, K::Static, kAboutText, 7, 62, 91, 8, ""},
         {IDC_STATIC, K::Static, kAboutText, 7, 7, 80, 8, "Depth of Field Calculator"},
         {IDC_STATIC, K::Static, kAboutText, 7, 20, 91, 8, "Vexton.DOF.CE Version 1.00"},
         {IDC_STATIC, K::Static, kAboutText, 7, 76, 82, 8, "This program runs under:"},
         // the system it runs on, named when the form opens
         {IDC_STATIC, K::Static, kAboutText, 7, 90, 142, 8, "Pocket PC 2003 (ARMV4)"},
     },
     {}},
    {IDD_OUTPUT,
     "Calculated Results",
     186,
     180,
     8,
     {
         {IDC_STATIC, K::Static, kResultLabel, 7, 7, 111, 8, "Near Focus Limit of Depth of Field:"},
         {IDC_NEAR_LIMIT, K::Edit, kResultBox, 7, 16, 110, 14, ""},
         {IDC_STATIC, K::Static, kResultLabel, 7, 31, 108, 8,
          "Far Focus Limit of Depth of Field: "},
         {IDC_FAR_LIMIT, K::Edit, kResultBox, 7, 40, 110, 14, ""},
         {IDC_STATIC, K::Static, kResultLabel, 7, 55, 68, 8, "Hyperfocal Distance:"},
         {IDC_HYPERFOCAL, K::Edit, kResultBox, 7, 64, 110, 14, ""},
         {IDC_STATIC, K::Static, kResultLabel, 7, 79, 66, 8, "Total Depth of Field:"},
         {IDC_TOTAL_DEPTH, K::Edit, kResultBox, 7, 88, 110, 14, ""},
         {IDC_STATIC, K::Static, kResultLabel, 7, 103, 66, 8, "Circle of Confusion: "},
         {IDC_COC_USED, K::Edit, kResultBox, 7, 112, 110, 14, ""},
         {IDC_STATIC, K::Static, kResultLabel, 7, 127, 98, 8, "Diopter Modified Focal Length:"},
         {IDC_MODIFIED_FOCAL_LENGTH, K::Edit, kResultBox, 7, 136, 110, 14, ""},
     },
     {}},
    {IDD_CAMERA_INFO,
     "Film, Camera Information",
     216,
     150,
     8,
     {
         {IDC_STATIC, K::Static, kLabel, 21, 12, 48, 8, "Camera Name:"},
         {1019, K::Edit, kInfoBox, 86, 12, 120, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 21, 27, 38, 8, "EXIF Name:"},
         {1020, K::Edit, kInfoBox, 86, 27, 120, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 21, 42, 58, 8, "Sensor Size (mm):"},
         {1021, K::Edit, kInfoBox, 86, 42, 120, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 21, 57, 64, 8, "Image Size (pixels):"},
         {1022, K::Edit, kInfoBox, 86, 57, 120, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 21, 72, 54, 8, "Resolution (MP):"},
         {1023, K::Edit, kInfoBox, 86, 72, 120, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 21, 87, 42, 8, "Image Ratio:"},
         {1024, K::Edit, kInfoBox, 86, 87, 120, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 21, 102, 61, 8, "Image Circle (mm):"},
         {1025, K::Edit, kInfoBox, 86, 102, 120, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 21, 117, 42, 8, "Crop Factor:"},
         {1026, K::Edit, kInfoBox, 86, 117, 120, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 21, 132, 57, 8, "Circle of C. (mm):"},
         {1027, K::Edit, kInfoBox, 86, 132, 120, 12, ""},
     },
     {}},
    {IDD_FOCAL_LENGTH_HELP,
     "Lens Focal Length",
     158,
     70,
     8,
     {
         {IDC_STATIC, K::Static, kHelpText, 7, 18, 125, 25,
          "Select your lenses focal length (mm) from the dropdown list."},
     },
     {}},
    {IDD_APERTURE_HELP,
     "Lens Aperture",
     153,
     65,
     8,
     {
         {IDC_STATIC, K::Static, kHelpText, 11, 17, 131, 24,
          "Select your lenses aperture/f-stop  from the dropdown list."},
     },
     {}},
    {IDD_DISTANCE_HELP,
     "Distance",
     157,
     75,
     8,
     {
         {IDC_STATIC, K::Static, kHelpText, 7, 15, 120, 35,
          "Select your unit of measure from the dropdown list, and then enter the subject "
          "distance into the editbox."},
     },
     {}},
    {IDD_COFC_HELP,
     "CofC",
     158,
     132,
     8,
     {
         {IDC_STATIC, K::Static, kHelpText, 7, 14, 126, 28,
          "This dropdown defaults to the 35mm Circle of Confusion (CofC) value of 0.0310."},
         {IDC_STATIC, K::Static, kHelpText, 7, 52, 129, 64,
          "This dropdown can be used to adjust the selected camera/film, to modify its stated "
          "CofC.  This can be used to customize the settings based on targeted image output, "
          "and is a suggested technique in the photographic literature."},
     },
     {}},
    {IDD_DIOPTER_HELP,
     "Diopter",
     159,
     82,
     8,
     {
         {IDC_STATIC, K::Static, kHelpText, 7, 14, 126, 53,
          "Enter the close-up lens diopter into the editbox.  This has an impact on the focal "
          "length of the lens setting used.  The diopter modified focal length will be "
          "displayed on the results screen."},
     },
     {}},
    {IDD_DOF_TABLE,
     "DOF Table",
     330,
     262,
     8,
     {
         {IDC_STATIC, K::Static, kLabel, 7, 8, 40, 8, "Show:"},
         {IDC_TABLE_SHOW, K::ComboBox, kList, 50, 6, 120, 60, ""},
         {IDC_STATIC, K::Static, kLabel, 7, 25, 40, 8, "Distances:"},
         {IDC_TABLE_DISTANCES, K::Edit, kInputBox, 50, 23, 273, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 7, 42, 40, 8, "From:"},
         {IDC_TABLE_FROM, K::ComboBox, kList, 50, 40, 50, 100, ""},
         {IDC_STATIC, K::Static, kLabel, 110, 42, 20, 8, "To:"},
         {IDC_TABLE_TO, K::ComboBox, kList, 132, 40, 50, 100, ""},
         {IDC_STATIC, K::Static, kLabel, 192, 42, 30, 8, "Steps:"},
         {IDC_TABLE_STEPS, K::ComboBox, kList, 224, 40, 80, 60, ""},
         {IDC_TABLE_REFUSAL, K::Static, kLabel, 7, 58, 316, 8, ""},
         {IDC_TABLE, K::Table, WS_BORDER | WS_TABSTOP, 7, 70, 316, 138, ""},
         {IDC_TABLE_ROUNDING, K::Static, kLabel, 7, 212, 316, 16, ""},
         {IDC_TABLE_DIFFRACTION, K::Static, kLabel, 7, 230, 316, 8, ""},
         {IDC_TABLE_PRINT, K::Button, WS_TABSTOP, 7, 243, 60, 14, "Print\u2026"},
         {IDC_TABLE_EXPORT_PDF, K::Button, WS_TABSTOP, 72, 243, 70, 14, "Export PDF\u2026"},
         {IDC_TABLE_EXPORT_CSV, K::Button, WS_TABSTOP, 147, 243, 70, 14, "Export CSV\u2026"},
     },
     {{IDC_TABLE, 0, "Depth of field table"}}},
    {IDD_CHOOSE_CAMERA,
     "Choose Camera",
     260,
     246,
     8,
     {
         {IDC_STATIC, K::Static, kLabel, 7, 8, 30, 8, "Find:"},
         {IDC_CHOOSE_FIND, K::Edit, kInputBox, 40, 6, 213, 12, ""},
         {IDC_CHOOSE_MATCHES, K::Table, WS_BORDER | WS_TABSTOP, 7, 22, 246, 110, ""},
         {IDC_STATIC, K::Static, kLabel, 7, 138, 246, 8, "Or a camera of your own, by its sensor:"},
         {IDC_STATIC, K::Static, kLabel, 7, 152, 80, 8, "Name:"},
         {IDC_CHOOSE_NAME, K::Edit, kInputBox, 90, 150, 163, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 7, 168, 80, 8, "Sensor width (mm):"},
         {IDC_CHOOSE_WIDTH, K::Edit, kInputBox, 90, 166, 50, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 7, 184, 80, 8, "Sensor height (mm):"},
         {IDC_CHOOSE_HEIGHT, K::Edit, kInputBox, 90, 182, 50, 12, ""},
         {IDC_CHOOSE_CROP, K::Static, kLabel, 146, 168, 107, 24, ""},
         {IDC_CHOOSE_REFUSAL, K::Static, kLabel, 7, 198, 246, 24, ""},
         {IDC_CHOOSE_REMOVE, K::Button, WS_TABSTOP, 7, 226, 110, 14, "Remove"},
         {IDOK, K::Button, WS_TABSTOP, 143, 226, 110, 14, "Use Camera"},
     },
     {{IDC_CHOOSE_MATCHES, 0, "Matching cameras"}}},
    {IDD_PLAN_FOCUS,
     "Plan Focus",
     240,
     282,
     8,
     {
         {IDC_STATIC, K::Static, kLabel, 7, 8, 86, 8, "Nearest sharp point:"},
         {IDC_PLAN_NEAR, K::Edit, kInputBox, 96, 6, 70, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 7, 24, 86, 8, "Farthest sharp point:"},
         {IDC_PLAN_FAR, K::Edit, kInputBox, 96, 22, 70, 12, ""},
         {IDC_PLAN_FAR_INFINITE, K::Check, WS_TABSTOP, 172, 23, 60, 10, "Infinity"},
         {IDC_STATIC, K::Static, kLabel, 7, 40, 86, 8, "Background at:"},
         {IDC_PLAN_BACKGROUND, K::Edit, kInputBox, 96, 38, 70, 12, ""},
         {IDC_PLAN_REFUSAL, K::Static, kLabel, 7, 55, 226, 26, ""},
         {IDC_STATIC, K::Static, kLabel, 7, 84, 226, 8, "Focus at:"},
         {IDC_PLAN_FOCUS_AT, K::Edit, kResultBox, 7, 93, 226, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 7, 110, 226, 8, "Aperture needed:"},
         {IDC_PLAN_APERTURE, K::Edit, kResultBox, 7, 119, 226, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 7, 136, 226, 8, "Sharp from \u2013 to:"},
         {IDC_PLAN_SHARP_RANGE, K::Edit, kResultBox, 7, 145, 226, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 7, 162, 226, 8, "Diffraction:"},
         {IDC_PLAN_DIFFRACTION, K::Edit, kResultBox, 7, 171, 226, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 7, 188, 226, 8, "Sharpest aperture (estimate):"},
         {IDC_PLAN_SHARPEST, K::Edit, kResultBox, 7, 197, 226, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 7, 214, 226, 8, "Background blur on the sensor:"},
         {IDC_PLAN_BACKGROUND_BLUR, K::Edit, kResultBox, 7, 223, 226, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 7, 240, 226, 8,
          "Background blur, in circles of confusion:"},
         {IDC_PLAN_BACKGROUND_CIRCLES, K::Edit, kResultBox, 7, 249, 226, 12, ""},
     },
     {}},
};

// The main form's menu bar: each item sends its command as a click would.
const MenuTemplate kMenus[] = {
    {IDD_VEXTONDOFCE_DIALOG,
     {{"&File",
       {{ID_FILE_DOF_TABLE, "DOF &Table\u2026", "Ctrl+T"},
        {ID_FILE_PLAN_FOCUS, "&Plan Focus\u2026", "Ctrl+L"},
        {ID_FILE_CHOOSE_CAMERA, "&Choose Camera\u2026", "Ctrl+K"},
        {IDOK, "&Quit", "Ctrl+Q"}}},
      {"&Help",
       {{ID_HELP_FIELD, "&Field Help", "F1"}, {IDC_ABOUT, "&About Vexton.DOF.CE", nullptr}}}}},
};

const DialogInitialData kInitialData[] = {
    {IDD_VEXTONDOFCE_DIALOG,
     IDC_APERTURE,
     {"f/1", "f/1.4", "f/1.8", "f/2", "f/2.8", "f/4", "f/5.6", "f/8", "f/11", "f/16", "f/22",
      "f/32", "f/45", "f/64"}},
};

const std::uint32_t kIconPixels[] = {
#include "resources/icon_pixels.inc"
};
const IconResource kIcons[] = {{IDR_MAINFRAME, 32, 32, kIconPixels}};
const StringResource kStrings[] = {{AFX_IDS_APP_TITLE, "Vexton.DOF.CE"},
                                   {IDS_VERSION, VEXTON_VERSION}};
} // namespace

void RegisterProgramResources() {
    AfxRegisterResources({kTemplates, kInitialData, kStrings, kIcons, kMenus});
}
