#include "chart/chart_template.h"

#include "framework/base/translate.h"
#include "resources/resource.h"
#include "resources/template_styles.h"

using namespace template_styles;

const DialogTemplate kDofChartTemplate = {
    IDD_DOF_CHART,
    TR_NOOP("DOF Chart", "DOF Chart"),
    330,
    262,
    8,
    {
        {IDC_STATIC, K::Static, kLabel, 7, 8, 40, 8, TR_NOOP("DOF Chart", "View:")},
        {IDC_CHART_VIEW, K::ComboBox, kList, 50, 6, 150, 60, ""},
        {IDC_STATIC, K::Static, kLabel, 206, 8, 60, 8, TR_NOOP("DOF Chart", "Focus distance:")},
        {IDC_CHART_DISTANCE, K::Edit, kInputBox, 269, 6, 54, 12, ""},
        {IDC_STATIC, K::Static, kLabel, 7, 25, 40, 8, TR_NOOP("DOF Chart", "From:")},
        {IDC_CHART_FROM, K::ComboBox, kList, 50, 23, 50, 100, ""},
        {IDC_STATIC, K::Static, kLabel, 110, 25, 20, 8, TR_NOOP("DOF Chart", "To:")},
        {IDC_CHART_TO, K::ComboBox, kList, 132, 23, 50, 100, ""},
        {IDC_STATIC, K::Static, kLabel, 192, 25, 30, 8, TR_NOOP("DOF Chart", "Steps:")},
        {IDC_CHART_STEPS, K::ComboBox, kList, 224, 23, 98, 60, ""},
        {IDC_CHART_REFUSAL, K::Static, kLabel, 7, 40, 316, 8, ""},
        {IDC_CHART, K::Picture, WS_BORDER | WS_TABSTOP, 7, 52, 316, 186, ""},
        {IDC_CHART_EXPORT_IMAGE, K::Button, WS_TABSTOP, 7, 243, 75, 14,
         TR_NOOP("DOF Chart", "Export Image\u2026")},
        {IDC_CHART_EXPORT_PDF, K::Button, WS_TABSTOP, 87, 243, 70, 14,
         TR_NOOP("DOF Chart", "Export PDF\u2026")},
        {IDC_CHART_PRINT, K::Button, WS_TABSTOP, 162, 243, 60, 14,
         TR_NOOP("DOF Chart", "Print\u2026")},
    },
    {{IDC_CHART, 0, TR_NOOP("DOF Chart", "Depth of field chart")}}};
