#include "photo/photo_template.h"

#include "framework/base/translate.h"
#include "resources/resource.h"
#include "resources/template_styles.h"

using namespace template_styles;

const DialogTemplate kPhotoTemplate = {
    IDD_PHOTO,
    TR_NOOP("Photo", "Photo"),
    470,
    326,
    8,
    {
        {IDC_STATIC, K::Static, kLabel, 7, 7, 60, 8, TR_NOOP("Photo", "File:")},
        {IDC_PHOTO_FILE, K::Static, kLabel, 70, 7, 243, 8, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 19, 60, 8, TR_NOOP("Photo", "Camera:")},
        {IDC_PHOTO_FIRST_VALUE + 0, K::Static, kLabel, 70, 19, 243, 17, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 38, 60, 8, TR_NOOP("Photo", "Lens:")},
        {IDC_PHOTO_FIRST_VALUE + 1, K::Static, kLabel, 70, 38, 243, 17, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 57, 60, 8, TR_NOOP("Photo", "Focal length:")},
        {IDC_PHOTO_FIRST_VALUE + 2, K::Static, kLabel, 70, 57, 243, 17, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 76, 60, 8, TR_NOOP("Photo", "35 mm equivalent:")},
        {IDC_PHOTO_FIRST_VALUE + 3, K::Static, kLabel, 70, 76, 243, 17, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 95, 60, 8, TR_NOOP("Photo", "Aperture:")},
        {IDC_PHOTO_FIRST_VALUE + 4, K::Static, kLabel, 70, 95, 243, 17, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 114, 60, 8, TR_NOOP("Photo", "Focus distance:")},
        {IDC_PHOTO_FIRST_VALUE + 5, K::Static, kLabel, 70, 114, 243, 17, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 133, 60, 8, TR_NOOP("Photo", "Image size:")},
        {IDC_PHOTO_FIRST_VALUE + 6, K::Static, kLabel, 70, 133, 243, 17, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 152, 60, 8, TR_NOOP("Photo", "Date taken:")},
        {IDC_PHOTO_FIRST_VALUE + 7, K::Static, kLabel, 70, 152, 243, 17, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 171, 60, 8, TR_NOOP("Photo", "Circle of confusion:")},
        {IDC_PHOTO_FIRST_VALUE + 8, K::Static, kLabel, 70, 171, 243, 17, ""},
        {IDC_STATIC, K::Static, kResultLabel, 7, 194, 140, 8,
         TR_NOOP("Photo", "Focus distance typed:")},
        {IDC_PHOTO_TYPED, K::Edit, kInputBox, 150, 192, 163, 12, ""},
        {IDC_STATIC, K::Static, kResultLabel, 7, 209, 140, 8,
         TR_NOOP("Photo", "Near Focus Limit of Depth of Field:")},
        {IDC_PHOTO_NEAR, K::Edit, kResultBox, 150, 207, 163, 12, ""},
        {IDC_STATIC, K::Static, kResultLabel, 7, 224, 140, 8,
         TR_NOOP("Photo", "Far Focus Limit of Depth of Field:")},
        {IDC_PHOTO_FAR, K::Edit, kResultBox, 150, 222, 163, 12, ""},
        {IDC_STATIC, K::Static, kResultLabel, 7, 239, 140, 8,
         TR_NOOP("Photo", "Total Depth of Field:")},
        {IDC_PHOTO_TOTAL, K::Edit, kResultBox, 150, 237, 163, 12, ""},
        {IDC_STATIC, K::Static, kResultLabel, 7, 254, 140, 8,
         TR_NOOP("Photo", "Hyperfocal Distance:")},
        {IDC_PHOTO_HYPERFOCAL, K::Edit, kResultBox, 150, 252, 163, 12, ""},
        {IDC_PHOTO_MISSING, K::Static, kLabel, 7, 268, 456, 34, ""},
        {IDC_STATIC, K::Static, kLabel, 322, 7, 141, 8,
         TR_NOOP("Photo", "Depth of field, focused at:")},
        {IDC_PHOTO_ZONES, K::Table, WS_BORDER | WS_TABSTOP, 322, 19, 141, 96, ""},
        {IDOK, K::Button, WS_TABSTOP, 7, 306, 100, 14, TR_NOOP("Photo", "Use These Settings")},
        {IDCANCEL, K::Button, WS_TABSTOP, 383, 306, 80, 14, TR_NOOP("Photo", "Close")},
    },
    {}};
