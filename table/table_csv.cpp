#include "table/table_csv.h"

namespace {
std::string Fixed(double value) {
    return FormatFixed(value, 6);
}

// A field as RFC 4180 writes it: quoted when it holds a comma, a quote or a
// line break, its quotes doubled.
std::string Field(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}
} // namespace

TableCsv WriteTableCsv(const TableRequest& request, const NumberSettings& settings) {
    TableCsv csv;
    csv.text = std::string(kTableCsvHeader) + "\r\n";
    for (const double distance : request.distances) {
        std::string lines;
        for (const TableAperture& aperture : request.apertures) {
            CalculationInputs in = request.lens;
            in.apertureValue = aperture.value;
            const LensSetup lens = ReadLens(in, settings);
            const DepthInUnit d = DepthAt(lens, distance);
            if (d.status != CalculationStatus::Ok) {
                csv.refusals.push_back(Fixed(distance) + ": " + RefusalText(d.status));
                lines.clear();
                break;
            }
            const std::string far = d.farIsInfinite ? "inf" : Fixed(d.farLimit);
            const std::string total = d.farIsInfinite ? "inf" : Fixed(d.farLimit - d.nearLimit);
            const std::string behind = d.farIsInfinite ? "inf" : Fixed(d.farLimit - distance);
            lines += Fixed(distance) + "," + Field(aperture.text) + "," + Field(aperture.value) +
                     "," + Fixed(d.nearLimit) + "," + far + "," + total + "," +
                     Fixed(distance - d.nearLimit) + "," + behind + "," + Fixed(d.hyperfocal) +
                     "," + Fixed(AiryDiscMm(ParseDecimal(aperture.value))) + "," + Fixed(lens.c) +
                     "," + Field(lens.unit->listText) + "\r\n";
        }
        csv.text += lines;
    }
    return csv;
}
