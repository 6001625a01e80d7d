// The program's form templates, in dialog units, and the main form's initial
// data. Texts are exactly as the forms show them, trailing and double spaces
// included.
#include "resources/program_resources.h"

#include "framework/base/afx.h"
#include "framework/base/resources.h"
#include "framework/base/translate.h"
#include "resources/resource.h"
#include "resources/template_styles.h"

namespace {
using namespace template_styles;

const DialogTemplate kTemplates[] = {
    {IDD_VEXTONDOFCE_DIALOG,
     TR_NOOP("Vexton.DOF.CE", "Vexton.DOF.CE"),
     160,
     186,
     8,
     {
         {IDC_STATIC, K::Static, kLabel, 7, 7, 10, 8, ""},
         {IDC_LBL_CAMERA, K::Static, kTapLabel, 7, 16, 28, 8, TR_NOOP("Vexton.DOF.CE", "Camera:")},
         {IDC_LBL_FOCAL_LENGTH, K::Static, kTapLabel | SS_LEFTNOWORDWRAP, 7, 36, 44, 8,
          TR_NOOP("Vexton.DOF.CE", "Focal Length:")},
         {IDC_LBL_APERTURE, K::Static, kTapLabel, 7, 56, 32, 8,
          TR_NOOP("Vexton.DOF.CE", "Aperture:")},
         {IDC_LBL_DISTANCE, K::Static, kTapLabel, 7, 76, 31, 8,
          TR_NOOP("Vexton.DOF.CE", "Distance:")},
         // Wider than the text: room for a word in other languages.
         {IDC_LBL_COFC, K::Static, kTapLabel, 7, 96, 50, 8, TR_NOOP("Vexton.DOF.CE", "CofC:")},
         {IDC_LBL_DIOPTER, K::Static, kTapLabel, 7, 116, 27, 8,
          TR_NOOP("Vexton.DOF.CE", "Diopter:")},
         {IDC_CAMERA, K::ComboBox, kList, 60, 16, 93, 60, ""},
         {IDC_FOCAL_LENGTH, K::ComboBox, kList, 60, 36, 48, 60, ""},
         {IDC_APERTURE, K::ComboBox, kList, 60, 56, 48, 60, ""},
         {IDC_DISTANCE, K::Edit, kInputBox, 60, 76, 40, 14, ""},
         {IDC_UNIT, K::ComboBox, kList, 105, 76, 48, 60, ""},
         {IDC_COFC, K::ComboBox, kList | CBS_SORT, 60, 96, 48, 60, ""},
         {IDC_DIOPTER, K::Edit, kInputBox, 60, 116, 40, 14, ""},
         {IDC_CALCULATE, K::Button, WS_TABSTOP, 91, 140, 50, 14,
          TR_NOOP("Vexton.DOF.CE", "Calculate")},
         {IDC_ABOUT, K::Button, WS_TABSTOP, 17, 140, 50, 14, TR_NOOP("Vexton.DOF.CE", "About")},
         {IDC_FOCAL_LENGTH_DISPLAY, K::Edit, ES_AUTOHSCROLL | WS_TABSTOP, 113, 117, 40, 14, ""},
     },
     {
         {IDC_CAMERA, IDC_LBL_CAMERA, nullptr},
         {IDC_FOCAL_LENGTH, IDC_LBL_FOCAL_LENGTH, nullptr},
         {IDC_APERTURE, IDC_LBL_APERTURE, nullptr},
         {IDC_DISTANCE, IDC_LBL_DISTANCE, nullptr},
         {IDC_UNIT, IDC_LBL_DISTANCE, TR_NOOP("Vexton.DOF.CE", "Distance unit")},
         {IDC_COFC, IDC_LBL_COFC, TR_NOOP("Vexton.DOF.CE", "Circle of confusion")},
         {IDC_DIOPTER, IDC_LBL_DIOPTER, nullptr},
         {IDC_FOCAL_LENGTH_DISPLAY, IDC_LBL_DIOPTER,
          TR_NOOP("Vexton.DOF.CE", "Diopter modified focal length")},
     }},
    {IDD_VEXTONDOFCE_DIALOG_WIDE,
     TR_NOOP("Vexton.DOF.CE", "Vexton.DOF.CE"),
     210,
     129,
     8,
     {
         {IDC_WIDE_PLACEHOLDER, K::Static, kLabel, 57, 49, 112, 23, ""},
     },
     {}},
    {IDD_ABOUTBOX,
     TR_NOOP("About Vexton.DOF.CE", "About Vexton.DOF.CE"),
     156,
     118,
     8,
     {
         // the project's web address, when it has one
         {IDC_STATIC, K::Static, kAboutText, 7, 62, 91, 8, ""},
         {IDC_STATIC, K::Static, kAboutText, 7, 7, 80, 8,
          TR_NOOP("About Vexton.DOF.CE", "Depth of Field Calculator")},
         {IDC_STATIC, K::Static, kAboutText, 7, 20, 91, 8, "Vexton.DOF.CE Version 1.00"},
         {IDC_STATIC, K::Static, kAboutText, 7, 76, 82, 8,
          TR_NOOP("About Vexton.DOF.CE", "This program runs under:")},
         // the system it runs on, named when the form opens
         {IDC_STATIC, K::Static, kAboutText, 7, 90, 142, 8, "Pocket PC 2003 (ARMV4)"},
     },
     {}},
    {IDD_OUTPUT,
     TR_NOOP("Calculated Results", "Calculated Results"),
     186,
     180,
     8,
     {
         {IDC_STATIC, K::Static, kResultLabel, 7, 7, 111, 8,
          TR_NOOP("Calculated Results", "Near Focus Limit of Depth of Field:")},
         {IDC_NEAR_LIMIT, K::Edit, kResultBox, 7, 16, 110, 14, ""},
         {IDC_STATIC, K::Static, kResultLabel, 7, 31, 108, 8,
          TR_NOOP("Calculated Results", "Far Focus Limit of Depth of Field: ")},
         {IDC_FAR_LIMIT, K::Edit, kResultBox, 7, 40, 110, 14, ""},
         {IDC_STATIC, K::Static, kResultLabel, 7, 55, 68, 8,
          TR_NOOP("Calculated Results", "Hyperfocal Distance:")},
         {IDC_HYPERFOCAL, K::Edit, kResultBox, 7, 64, 110, 14, ""},
         {IDC_STATIC, K::Static, kResultLabel, 7, 79, 66, 8,
          TR_NOOP("Calculated Results", "Total Depth of Field:")},
         {IDC_TOTAL_DEPTH, K::Edit, kResultBox, 7, 88, 110, 14, ""},
         {IDC_STATIC, K::Static, kResultLabel, 7, 103, 66, 8,
          TR_NOOP("Calculated Results", "Circle of Confusion: ")},
         {IDC_COC_USED, K::Edit, kResultBox, 7, 112, 110, 14, ""},
         {IDC_STATIC, K::Static, kResultLabel, 7, 127, 98, 8,
          TR_NOOP("Calculated Results", "Diopter Modified Focal Length:")},
         {IDC_MODIFIED_FOCAL_LENGTH, K::Edit, kResultBox, 7, 136, 110, 14, ""},
         // what the lens in use says of the distance, when it says anything
         {IDC_LENS_NOTE, K::Static, kLabel, 7, 154, 172, 24, ""},
     },
     {}},
    {IDD_CAMERA_INFO,
     TR_NOOP("Film, Camera Information", "Film, Camera Information"),
     216,
     150,
     8,
     {
         {IDC_STATIC, K::Static, kLabel, 21, 12, 48, 8,
          TR_NOOP("Film, Camera Information", "Camera Name:")},
         {1019, K::Edit, kInfoBox, 86, 12, 120, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 21, 27, 38, 8,
          TR_NOOP("Film, Camera Information", "EXIF Name:")},
         {1020, K::Edit, kInfoBox, 86, 27, 120, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 21, 42, 58, 8,
          TR_NOOP("Film, Camera Information", "Sensor Size (mm):")},
         {1021, K::Edit, kInfoBox, 86, 42, 120, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 21, 57, 64, 8,
          TR_NOOP("Film, Camera Information", "Image Size (pixels):")},
         {1022, K::Edit, kInfoBox, 86, 57, 120, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 21, 72, 54, 8,
          TR_NOOP("Film, Camera Information", "Resolution (MP):")},
         {1023, K::Edit, kInfoBox, 86, 72, 120, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 21, 87, 42, 8,
          TR_NOOP("Film, Camera Information", "Image Ratio:")},
         {1024, K::Edit, kInfoBox, 86, 87, 120, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 21, 102, 61, 8,
          TR_NOOP("Film, Camera Information", "Image Circle (mm):")},
         {1025, K::Edit, kInfoBox, 86, 102, 120, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 21, 117, 42, 8,
          TR_NOOP("Film, Camera Information", "Crop Factor:")},
         {1026, K::Edit, kInfoBox, 86, 117, 120, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 21, 132, 57, 8,
          TR_NOOP("Film, Camera Information", "Circle of C. (mm):")},
         {1027, K::Edit, kInfoBox, 86, 132, 120, 12, ""},
     },
     {}},
    {IDD_OWN_CAMERA_INFO,
     TR_NOOP("Camera Information", "Camera Information"),
     216,
     195,
     8,
     {
         {IDC_STATIC, K::Static, kLabel, 21, 12, 48, 8,
          TR_NOOP("Camera Information", "Camera Name:")},
         {1019, K::Edit, kInfoBox, 86, 12, 120, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 21, 27, 38, 8,
          TR_NOOP("Camera Information", "EXIF Name:")},
         {1020, K::Edit, kInfoBox, 86, 27, 120, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 21, 42, 58, 8,
          TR_NOOP("Camera Information", "Sensor Size (mm):")},
         {1021, K::Edit, kInfoBox, 86, 42, 120, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 21, 57, 64, 8,
          TR_NOOP("Camera Information", "Image Size (pixels):")},
         {1022, K::Edit, kInfoBox, 86, 57, 120, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 21, 72, 54, 8,
          TR_NOOP("Camera Information", "Resolution (MP):")},
         {1023, K::Edit, kInfoBox, 86, 72, 120, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 21, 87, 42, 8,
          TR_NOOP("Camera Information", "Image Ratio:")},
         {1024, K::Edit, kInfoBox, 86, 87, 120, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 21, 102, 61, 8,
          TR_NOOP("Camera Information", "Image Circle (mm):")},
         {1025, K::Edit, kInfoBox, 86, 102, 120, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 21, 117, 42, 8,
          TR_NOOP("Camera Information", "Crop Factor:")},
         {1026, K::Edit, kInfoBox, 86, 117, 120, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 21, 132, 57, 8,
          TR_NOOP("Camera Information", "Circle of C. (mm):")},
         {1027, K::Edit, kInfoBox, 86, 132, 120, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 21, 147, 48, 8, TR_NOOP("Camera Information", "Maker:")},
         {IDC_CAMERA_MAKER, K::Edit, kInfoBox, 86, 147, 120, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 21, 162, 48, 8, TR_NOOP("Camera Information", "Mount:")},
         {IDC_CAMERA_MOUNT, K::Edit, kInfoBox, 86, 162, 120, 12, ""},
         {IDC_STATIC, K::Static, kLabel, 21, 177, 48, 8, TR_NOOP("Camera Information", "Source:")},
         {IDC_CAMERA_SOURCE, K::Edit, kInfoBox, 86, 177, 120, 12, ""},
     },
     {}},
    {IDD_FOCAL_LENGTH_HELP,
     TR_NOOP("Lens Focal Length", "Lens Focal Length"),
     158,
     70,
     8,
     {
         {IDC_STATIC, K::Static, kHelpText, 7, 18, 125, 25,
          TR_NOOP("Lens Focal Length",
                  "Select your lenses focal length (mm) from the dropdown list.")},
     },
     {}},
    {IDD_APERTURE_HELP,
     TR_NOOP("Lens Aperture", "Lens Aperture"),
     153,
     65,
     8,
     {
         {IDC_STATIC, K::Static, kHelpText, 11, 17, 131, 24,
          TR_NOOP("Lens Aperture", "Select your lenses aperture/f-stop  from the dropdown list.")},
     },
     {}},
    {IDD_DISTANCE_HELP,
     TR_NOOP("Distance", "Distance"),
     157,
     75,
     8,
     {
         {IDC_STATIC, K::Static, kHelpText, 7, 15, 120, 35,
          TR_NOOP("Distance",
                  "Select your unit of measure from the dropdown list, and then enter the subject "
                  "distance into the editbox.")},
     },
     {}},
    {IDD_COFC_HELP,
     TR_NOOP("CofC", "CofC"),
     158,
     132,
     8,
     {
         {IDC_STATIC, K::Static, kHelpText, 7, 14, 126, 28,
          TR_NOOP(
              "CofC",
              "This dropdown defaults to the 35mm Circle of Confusion (CofC) value of 0.0310.")},
         {IDC_STATIC, K::Static, kHelpText, 7, 52, 129, 64,
          TR_NOOP(
              "CofC",
              "This dropdown can be used to adjust the selected camera/film, to modify its stated "
              "CofC.  This can be used to customize the settings based on targeted image output, "
              "and is a suggested technique in the photographic literature.")},
     },
     {}},
    {IDD_DIOPTER_HELP,
     TR_NOOP("Diopter", "Diopter"),
     159,
     82,
     8,
     {
         {IDC_STATIC, K::Static, kHelpText, 7, 14, 126, 53,
          TR_NOOP(
              "Diopter",
              "Enter the close-up lens diopter into the editbox.  This has an impact on the focal "
              "length of the lens setting used.  The diopter modified focal length will be "
              "displayed on the results screen.")},
     },
     {}},
};

// The main form's menu bar: each item sends its command as a click would.
const MenuTemplate kMenus[] = {
    {IDD_VEXTONDOFCE_DIALOG,
     {{TR_NOOP("Menu", "&File"), {{IDOK, TR_NOOP("File menu", "&Quit"), "Ctrl+Q"}}},
      {TR_NOOP("Menu", "&Help"),
       {{ID_HELP_FIELD, TR_NOOP("Help menu", "&Field Help"), "F1"},
        {IDC_ABOUT, TR_NOOP("Help menu", "&About Vexton.DOF.CE"), nullptr}}}}},
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
