#include "finder/own_camera_records.h"

#include "calc/number_text.h"
#include "finder/own_cameras.h"
#include "framework/base/translate.h"

#include <charconv>
#include <cmath>

namespace {
constexpr const char* kUnknown = "\u2014";
}

OwnCameraDetails DescribeOwnCamera(const FoundCamera& c) {
    const auto known = [](const std::string& text) { return text.empty() ? kUnknown : text; };
    return {known(c.maker), known(c.mount),
            c.source == "lensfun" ? Tr("Cameras", "lensfun's camera database")
            : c.source == "own"   ? Tr("Cameras", "its sensor size, as you gave it")
                                  : known(c.source)};
}

void OwnCameraRecords::Assign(const std::vector<FoundCamera>& cameras) {
    m_cameras = cameras;
    m_records.clear();
    for (const FoundCamera& c : cameras) {
        auto held = std::make_unique<Held>();
        held->name = c.name;
        held->model = c.model.empty() ? kUnknown : (c.maker.empty() ? "" : c.maker + " ") + c.model;
        held->sensor = FormatFixed(c.sensorWidth, 2) + " x " + FormatFixed(c.sensorHeight, 2);
        held->circle = FormatFixed(std::hypot(c.sensorWidth, c.sensorHeight), 1);
        held->record = {-1,
                        held->name.c_str(),
                        held->model.c_str(),
                        held->sensor.c_str(),
                        kUnknown,
                        kUnknown,
                        kUnknown,
                        held->circle.c_str(),
                        c.cropFactor,
                        0.0,
                        c.sensorWidth,
                        c.sensorHeight};
        m_records.push_back(std::move(held));
    }
}

std::vector<ChoiceEntry> OwnCameraRecords::Entries() const {
    std::vector<ChoiceEntry> out;
    for (std::size_t i = 0; i < m_cameras.size(); ++i)
        out.push_back({Utf8ToCString(m_cameras[i].name), "own:" + std::to_string(i)});
    out.push_back({Utf8ToCString(Tr("Cameras", kOtherCameraText)), std::string(kOtherCameraValue)});
    return out;
}

int OwnCameraRecords::OwnIndexOf(std::string_view value) {
    if (value.substr(0, 4) != "own:")
        return -1;
    int index = -1;
    const auto [end, ec] = std::from_chars(value.data() + 4, value.data() + value.size(), index);
    return ec == std::errc() && end == value.data() + value.size() && index >= 0 ? index : -1;
}

const CameraRecord* OwnCameraRecords::RecordFor(std::string_view value) const {
    const int own = OwnIndexOf(value);
    if (own >= 0)
        return static_cast<std::size_t>(own) < m_records.size() ? &m_records[own]->record : nullptr;
    return value == kOtherCameraValue ? nullptr : CameraForValue(value);
}
