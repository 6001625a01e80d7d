// The photo module: exiv2's reading of a photo, for ReadPhotoThroughModule
// to load when the first photo is read.
#include "photo/photo_loading.h"
#include "photo/photo_reader.h"

#include "framework/base/translate.h"

namespace {
// The program's catalogue, looked in for the time of a reading.
class Borrowed : public TextCatalog {
  public:
    explicit Borrowed(const TextCatalog& catalog) : m_catalog(catalog) {}
    std::string Find(const char* context, const char* text) const override {
        return m_catalog.Find(context, text);
    }

  private:
    const TextCatalog& m_catalog;
};
} // namespace

extern "C" __attribute__((visibility("default"))) void vexton_read_photo(const std::string* path,
                                                                         const std::string* shownAs,
                                                                         const TextCatalog* catalog,
                                                                         PhotoFacts* out) {
    InstallTextCatalog(catalog ? std::make_unique<Borrowed>(*catalog) : nullptr);
    *out = ReadPhoto(*path, *shownAs);
    InstallTextCatalog(nullptr);
}
