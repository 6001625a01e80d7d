#include "lenses/chosen_lens.h"

#include "framework/base/file.h"
#include "lenses/own_lenses.h"
#include "settings/list_file.h"

namespace {
constexpr std::uint64_t kLargestFile = 64u << 10;
}

std::optional<LensRecord> ReadChosenLens(const SettingsLocation& settings, int waitMs) {
    if (settings.KeptForTheRunOnly())
        return std::nullopt;
    const ListFileRead read =
        ReadListFile(BesideSettings(settings, kChosenLensFileName), kLargestFile, waitMs);
    if (!read.read)
        return std::nullopt;
    const OwnLenses kept = ParseOwnLenses(read.text);
    if (kept.lenses.empty())
        return std::nullopt;
    return kept.lenses.front();
}

std::string KeepChosenLens(const SettingsLocation& settings,
                           const std::optional<LensRecord>& lens) {
    if (settings.KeptForTheRunOnly())
        return {};
    OwnLenses kept;
    if (lens)
        kept.lenses.push_back(*lens);
    const std::string text = OwnLensesText(kept);
    CFileException error;
    if (WriteStoredFile(
            BesideSettings(settings, kChosenLensFileName),
            [&text](CFile& file) { file.Write(text.data(), text.size()); }, &error))
        return {};
    return error.GetErrorMessage();
}
