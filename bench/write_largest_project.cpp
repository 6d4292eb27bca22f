// write_largest_project FOLDER: writes largest.tq7d and largest.cpt there.
#include <iostream>

#include "largest_project.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: write_largest_project FOLDER\n";
        return 2;
    }
    std::cout << tarne::bench::write_largest_project(argv[1]).string() << "\n";
    return 0;
}
