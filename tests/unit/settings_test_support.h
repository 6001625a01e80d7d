#pragma once
// A temporary program folder for tests that touch the settings file.

#include "settings/settings_file.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

class ProgramFolder {
  public:
    ProgramFolder() {
        char pattern[] = "/tmp/vextondof-test-XXXXXX";
        m_folder = ::mkdtemp(pattern);
    }
    ~ProgramFolder() {
        std::error_code ignored;
        std::filesystem::permissions(m_folder, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(m_folder, ignored);
    }
    const std::string& folder() const { return m_folder; }
    std::string settingsPath() const { return m_folder + "/vextondof.ini"; }

    void Write(const Bytes& bytes) const {
        std::ofstream out(settingsPath(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
    }
    bool Exists() const { return std::filesystem::exists(settingsPath()); }
    // Whether the folder holds the settings file and nothing else: no save
    // left anything of its own behind.
    bool HoldsOnlyTheSettingsFile() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_folder))
            names.push_back(entry.path().filename().string());
        return names == std::vector<std::string>{"vextondof.ini"};
    }
    Bytes Read() const {
        std::ifstream in(settingsPath(), std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }

  private:
    std::string m_folder;
};

// The file written from the default choices.
inline const Bytes kDefaultFile = {
    0xFF, 0xFE, 0xFF, 0x09, 0x4E, 0x00, 0x69, 0x00, 0x6B, 0x00, 0x6F, 0x00, 0x6E, 0x00, 0x20,
    0x00, 0x44, 0x00, 0x37, 0x00, 0x30, 0x00, 0xFF, 0xFE, 0xFF, 0x04, 0x31, 0x00, 0x38, 0x00,
    0x2E, 0x00, 0x30, 0x00, 0xFF, 0xFE, 0xFF, 0x04, 0x66, 0x00, 0x2F, 0x00, 0x31, 0x00, 0x36,
    0x00, 0xFF, 0xFE, 0xFF, 0x04, 0x66, 0x00, 0x65, 0x00, 0x65, 0x00, 0x74, 0x00, 0xFF, 0xFE,
    0xFF, 0x06, 0x30, 0x00, 0x2E, 0x00, 0x30, 0x00, 0x33, 0x00, 0x31, 0x00, 0x30, 0x00};
