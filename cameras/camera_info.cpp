#include "cameras/camera_info.h"

#include "cameras/camera_table.h"
#include "framework/base/translate.h"

CameraInfoTexts DescribeCamera(const CameraRecord& r, std::string_view cofcValue,
                               const NumberSettings& s) {
    const std::string crop = FormatFixed(r.cropFactor, 6);
    const double coc = ParseDecimal(cofcValue) / r.cropFactor;
    const std::string cocText = FormatFixed(coc, 4);
    return {
        r.name,
        std::string_view(r.exifName) == "(none)" ? Tr("Camera Information", "(none)") : r.exifName,
        FixedIn(r.sensorWidth, 2, s) + " x " + FixedIn(r.sensorHeight, 2, s),
        r.imageSizeText,
        FormatLocaleNumber(r.megapixelsText, 1, s),
        r.imageRatioText,
        FormatLocaleNumber(r.imageCircleText, 1, s),
        FormatLocaleNumber(crop, 4, s),
        FormatLocaleNumber(cocText, 4, s),
    };
}
