// korvane-samplerom DIR: writes one synthetic image per detected game into
// DIR, so that every editor can be tried without a real cartridge image.

#include "tools/samplerom/samples.h"

#include <exception>
#include <filesystem>
#include <iostream>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "usage: korvane-samplerom DIR\n";
        return 2;
    }
    try {
        std::filesystem::create_directories(argv[1]);
        for (const std::string& path : WriteSampleImages(argv[1]))
            std::cout << path << '\n';
    } catch (const std::exception& e) {
        std::cerr << "korvane-samplerom: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
