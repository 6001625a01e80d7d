#include "photo/photo_loading.h"

#include "framework/base/translate.h"

#include <dlfcn.h>
#include <filesystem>
#include <system_error>

namespace {
// The entry point of the module, loaded once; null where it cannot be had.
PhotoEntry* Entry() {
    static PhotoEntry* const entry = []() -> PhotoEntry* {
        std::error_code ec;
        const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
        if (ec)
            return nullptr;
        const std::filesystem::path folder = program.parent_path();
        for (const std::filesystem::path& place :
             {folder / kPhotoModule, folder / VEXTON_PHOTO_MODULE_FROM_BIN / kPhotoModule}) {
            if (!std::filesystem::exists(place, ec))
                continue;
            if (void* module = ::dlopen(place.c_str(), RTLD_NOW | RTLD_LOCAL))
                return reinterpret_cast<PhotoEntry*>(::dlsym(module, kPhotoEntryName));
        }
        return nullptr;
    }();
    return entry;
}
} // namespace

PhotoFacts ReadPhotoThroughModule(const std::string& path, const std::string& shownAs) {
    PhotoFacts facts;
    if (PhotoEntry* read = Entry()) {
        read(&path, &shownAs, InstalledTextCatalog(), &facts);
        return facts;
    }
    facts.file = path;
    facts.refusal =
        Arg(Tr("Photo", "Photos cannot be read here: %1 could not be loaded."), {kPhotoModule});
    return facts;
}
