#pragma once
// The person's cameras as the camera list and everything that reads the
// selected camera take one: a list entry each (value text "own:N") after the
// built-in ones, the list's last entry "Other camera…" (value "other"), and
// a camera record each, its texts held here ("—" for what is not known).

#include "cameras/camera_table.h"
#include "finder/found_camera.h"
#include "framework/base/choice_entry.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* kOtherCameraValue = "other";

// What the camera information form says of a person's camera beyond the
// record: its maker, its mount and where it came from ("—" for what is not
// known).
struct OwnCameraDetails {
    std::string maker, mount, source;
};
OwnCameraDetails DescribeOwnCamera(const FoundCamera& camera);

class OwnCameraRecords {
  public:
    void Assign(const std::vector<FoundCamera>& cameras);
    const std::vector<FoundCamera>& Cameras() const { return m_cameras; }

    // The person's cameras, then "Other camera…".
    std::vector<ChoiceEntry> Entries() const;
    // The record of a list entry's value text: a built-in camera's, or one
    // of the person's; none for "Other camera…" and for any other text.
    const CameraRecord* RecordFor(std::string_view value) const;
    // The position among the person's cameras of an entry's value; -1 for none.
    static int OwnIndexOf(std::string_view value);

  private:
    struct Held {
        std::string name, model, sensor, circle;
        CameraRecord record;
    };
    std::vector<FoundCamera> m_cameras;
    std::vector<std::unique_ptr<Held>> m_records;
};
