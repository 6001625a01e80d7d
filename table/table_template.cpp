#include "table/table_template.h"

#include "framework/base/translate.h"
#include "resources/resource.h"
#include "resources/template_styles.h"

using namespace template_styles;

const DialogTemplate kDofTableTemplate = {
    IDD_DOF_TABLE,
    TR_NOOP("DOF Table", "DOF Table"),
    330,
    262,
    8,
    {
        {IDC_STATIC, K::Static, kLabel, 7, 8, 40, 8, TR_NOOP("DOF Table", "Show:")},
        {IDC_TABLE_SHOW, K::ComboBox, kList, 50, 6, 120, 60, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 25, 40, 8, TR_NOOP("DOF Table", "Distances:")},
        {IDC_TABLE_DISTANCES, K::Edit, kInputBox, 50, 23, 273, 12, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 42, 40, 8, TR_NOOP("DOF Table", "From:")},
        {IDC_TABLE_FROM, K::ComboBox, kList, 50, 40, 50, 100, ""},
        {IDC_STATIC, K::Static, kLabel, 110, 42, 20, 8, TR_NOOP("DOF Table", "To:")},
        {IDC_TABLE_TO, K::ComboBox, kList, 132, 40, 50, 100, ""},
        {IDC_STATIC, K::Static, kLabel, 192, 42, 30, 8, TR_NOOP("DOF Table", "Steps:")},
        {IDC_TABLE_STEPS, K::ComboBox, kList, 224, 40, 98, 60, ""},
        {IDC_TABLE_REFUSAL, K::Static, kLabel, 7, 58, 316, 8, ""},
        {IDC_TABLE, K::Table, WS_BORDER | WS_TABSTOP, 7, 70, 316, 138, ""},
        {IDC_TABLE_ROUNDING, K::Static, kLabel, 7, 212, 316, 16, ""},
        {IDC_TABLE_DIFFRACTION, K::Static, kLabel, 7, 230, 316, 8, ""},
        {IDC_TABLE_PRINT, K::Button, WS_TABSTOP, 7, 243, 60, 14,
         TR_NOOP("DOF Table", "Print\u2026")},
        {IDC_TABLE_EXPORT_PDF, K::Button, WS_TABSTOP, 72, 243, 70, 14,
         TR_NOOP("DOF Table", "Export PDF\u2026")},
        {IDC_TABLE_EXPORT_CSV, K::Button, WS_TABSTOP, 147, 243, 70, 14,
         TR_NOOP("DOF Table", "Export CSV\u2026")},
    },
    {{IDC_TABLE, 0, TR_NOOP("DOF Table", "Depth of field table")}}};
