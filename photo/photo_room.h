#pragma once
// What the photo rooms share: the Photo form for a photo read, as the main
// form's choices make it, and the file dialog's photo types.

#include "photo/photo_facts.h"
#include "photo/photo_shot.h"
#include "rooms/room.h"

extern const char* const kPhotoFilter; // marked for translation in "Messages"

// The unit and circle of confusion of the main form, as a photo takes them.
PhotoChoices PhotoChoicesOf(MainForm& main);

// The Photo form for `facts`, over `over`; "Use These Settings" hands the
// main form what the photo records (and the distance typed for it).
void ShowPhotoForm(MainForm& main, const PhotoFacts& facts, CWnd* over);
