#pragma once
// A shoot: many photos at once, a row each, as the Open Photos form lists
// them and sorts them by any column.

#include "photo/photo_facts.h"
#include "photo/photo_shot.h"

#include <memory>
#include <string>
#include <vector>

// The columns, in order, by their headers (marked for translation in
// "Open Photos"); the first is the thumbnail's and the file's.
enum class ShootColumn {
    File,
    Date,
    Camera,
    Lens,
    FocalLength,
    Aperture,
    Distance,
    Near,
    Far,
    Hyperfocal,
};
inline constexpr int kShootColumnCount = 10;
extern const char* const kShootColumnHeaders[kShootColumnCount];

struct ShootRow {
    PhotoFacts facts;
    PhotoShot shot;
    std::vector<std::string> cells;             // the columns' texts, as the form shows them
    std::shared_ptr<const std::string> preview; // the photo's embedded preview; null: none
};

// A photo's row: its texts, each as the Photo form writes it (a refused
// file says why in its camera's column).
ShootRow RowOfPhoto(PhotoFacts facts, PhotoShot shot, const NumberSettings& settings);
ShootRow RowOfRefusal(PhotoFacts facts);

// The rows' order sorted by `column`: texts by their letters, numbers by
// their values (the date by when), what is not known last either way;
// ties keep the order they had.
void SortShoot(std::vector<const ShootRow*>& rows, ShootColumn column, bool descending);
