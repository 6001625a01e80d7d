// Writes the tests' own photos into a folder: make-test-photos FOLDER.
#include "test_photos.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-test-photos FOLDER\n");
        return 2;
    }
    return MakeTestPhotos(argv[1]) ? 0 : 1;
}
