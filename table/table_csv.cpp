#include "table/table_csv.h"

std::string CsvNumber(double value) {
    std::string text = FormatFixed(value, 6);
    if (text == "-0.000000")
        text.erase(0, 1);
    return text;
}

namespace {

// One line: the distance and aperture's fields, the limits, the depths in
// front and behind, the hyperfocal distance and what stays down the column.
void AppendLine(std::string& out, const std::string& head, double distance, const DepthInUnit& d,
                const std::string& tail) {
    const auto field = [&out](const std::string& text) {
        out += text;
        out += ',';
    };
    out += head;
    field(CsvNumber(d.nearLimit));
    field(d.farIsInfinite ? "inf" : CsvNumber(d.farLimit));
    field(d.farIsInfinite ? "inf" : CsvNumber(d.farLimit - d.nearLimit));
    field(CsvNumber(distance - d.nearLimit));
    field(d.farIsInfinite ? "inf" : CsvNumber(d.farLimit - distance));
    out += CsvNumber(d.hyperfocal);
    out += tail;
}
} // namespace

std::vector<std::string> WriteTableCsv(const TableRequest& request, const TextSink& sink) {
    constexpr std::size_t kPiece = 64 * 1024;
    std::vector<std::string> refusals;
    // Each aperture's lens, read once as a press reads it, and what stays
    // the same down its column.
    std::vector<LensSetup> lenses;
    std::vector<std::string> apertureFields, tails;
    for (const TableAperture& aperture : request.apertures) {
        lenses.push_back(request.lens.At(aperture.N));
        apertureFields.push_back(std::string(",") + CsvField(aperture.text) + "," +
                                 CsvNumber(aperture.N) + ",");
        tails.push_back(std::string(",") + CsvNumber(AiryDiscMm(aperture.N)) + "," +
                        CsvNumber(lenses.back().c) + "," + CsvField(lenses.back().unit->listText) +
                        "\r\n");
    }
    std::string out;
    out.reserve(2 * kPiece);
    out += kTableCsvHeader;
    out += "\r\n";
    std::vector<DepthInUnit> depths(lenses.size());
    for (const double distance : request.distances) {
        // A distance any aperture refuses is left out whole.
        const CalculationStatus refused = [&] {
            for (std::size_t a = 0; a < lenses.size(); ++a) {
                depths[a] = DepthAt(lenses[a], distance);
                if (depths[a].status != CalculationStatus::Ok)
                    return depths[a].status;
            }
            return CalculationStatus::Ok;
        }();
        if (refused != CalculationStatus::Ok) {
            refusals.push_back(CsvNumber(distance) + ": " + RefusalText(refused));
            continue;
        }
        const std::string distanceText = CsvNumber(distance);
        for (std::size_t a = 0; a < lenses.size(); ++a) {
            AppendLine(out, distanceText + apertureFields[a], distance, depths[a], tails[a]);
            if (out.size() >= kPiece) {
                sink(out);
                out.clear();
            }
        }
    }
    if (!out.empty())
        sink(out);
    return refusals;
}

TableCsv WriteTableCsv(const TableRequest& request) {
    TableCsv csv;
    csv.refusals = WriteTableCsv(request, [&csv](std::string_view piece) { csv.text += piece; });
    return csv;
}
