// Lays out the delivered files of a program folder: the password store holding the
// first-access password, written only when missing so a changed password is never reset.
#include <cstdio>
#include <filesystem>

#include "app/data_folder.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: lay_out_folder FOLDER\n");
        return 2;
    }
    try {
        custovia::layOutDataFolder(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "lay_out_folder: %s\n", e.what());
        return 1;
    }
    return 0;
}
