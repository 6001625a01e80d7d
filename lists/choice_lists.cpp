#include "lists/choice_lists.h"

#include "calc/dof.h"
#include "calc/number_text.h"
#include "cameras/camera_table.h"
#include "framework/base/nocase.h"
#include "framework/base/translate.h"

namespace {
ChoiceEntry EntryValuedAsShown(const std::string& text) {
    return {Utf8ToCString(text), text};
}

// A generated list: the value starts at `first` and grows by `step` per
// entry, both counted in units of the last of `decimals` decimals (3.0 by
// 0.5 is 30 by 5 with one); display and value texts are the value with
// `decimals` decimals, written from whole numbers, as exact as their texts.
void AppendGenerated(std::vector<ChoiceEntry>& out, long first, long step, int count,
                     int decimals) {
    long scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    for (long value = first, i = 0; i < count; ++i, value += step) {
        std::string fraction = std::to_string(value % scale);
        fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
        out.push_back(EntryValuedAsShown(std::to_string(value / scale) + "." + fraction));
    }
}
} // namespace

const ApertureValue apertureValueTable[kApertureCount] = {
    {"f/1", "1"},          {"f/1.4", "1.414214"}, {"f/1.8", "1.7818"},   {"f/2", "2"},
    {"f/2.8", "2.828427"}, {"f/4", "4"},          {"f/5.6", "5.656854"}, {"f/8", "8"},
    {"f/11", "11.313708"}, {"f/16", "16"},        {"f/22", "22.627417"}, {"f/32", "32"},
    {"f/45", "45.254834"}, {"f/64", "64"},
};

std::vector<ChoiceEntry> ApertureChoices() {
    std::vector<ChoiceEntry> out;
    for (const ApertureValue& aperture : apertureValueTable)
        out.push_back({Utf8ToCString(aperture.displayText), std::string(aperture.valueText)});
    return out;
}

std::vector<ChoiceEntry> FocalLengthChoices() {
    static const char* const kLongLenses[] = {
        "305.0", "320.0", "350.0", "355.0", "360.0", "375.0", "380.0", "400.0",  "420.0",
        "450.0", "480.0", "500.0", "600.0", "610.0", "720.0", "800.0", "1000.0", "1200.0"};
    std::vector<ChoiceEntry> out;
    out.reserve(613);
    AppendGenerated(out, 30, 5, 595, 1); // 3.0 to 300.0 by 0.5
    for (const char* text : kLongLenses)
        out.push_back(EntryValuedAsShown(text));
    return out;
}

std::vector<ChoiceEntry> UnitChoices() {
    std::vector<ChoiceEntry> out;
    out.reserve(kDistanceUnitCount);
    for (const DistanceUnit& unit : distanceUnits)
        out.push_back({Utf8ToCString(unit.listText), std::to_string(unit.code)});
    return out;
}

std::vector<ChoiceEntry> ShownUnitChoices() {
    static const char* const kNames[] = {
        TR_NOOP("Unit list", "feet"), TR_NOOP("Unit list", "inches"),
        TR_NOOP("Unit list", "meters"), TR_NOOP("Unit list", "centimeters"),
        TR_NOOP("Unit list", "feet and inches")};
    std::vector<ChoiceEntry> out = UnitChoices();
    for (std::size_t i = 0; i < out.size() && i < std::size(kNames); ++i)
        out[i].displayText = Utf8ToCString(Tr("Unit list", kNames[i]));
    return out;
}

CString ShownUnit(const CString& stored) {
    const int at = SelectStoredChoice(UnitChoices(), stored);
    return at >= 0 ? ShownUnitChoices()[static_cast<std::size_t>(at)].displayText : stored;
}

std::vector<ChoiceEntry> CofCChoices() {
    std::vector<ChoiceEntry> out;
    out.reserve(351);
    AppendGenerated(out, 50, 1, 351, 4); // 0.0050 to 0.0400
    return out;
}

std::vector<ChoiceEntry> CameraChoices() {
    std::vector<ChoiceEntry> out;
    out.reserve(kCameraCount);
    for (const CameraRecord& record : cameraTable)
        out.push_back({Utf8ToCString(record.name), std::to_string(record.index)});
    return out;
}

std::optional<std::string> ApertureValueFor(const CString& displayText) {
    const std::string text = CStringToUtf8(displayText);
    for (const ApertureValue& row : apertureValueTable)
        if (text == row.displayText)
            return std::string(row.valueText);
    return std::nullopt;
}

int SelectStoredChoice(const std::vector<ChoiceEntry>& entries, std::u16string_view stored) {
    return FindPrefixNoCase(
        entries.size(), [&](std::size_t i) { return std::u16string_view(entries[i].displayText); },
        stored);
}
