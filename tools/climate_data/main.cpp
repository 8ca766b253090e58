// talp-climate-data FACTS_DIR OUT_DIR: writes the climate installation data (the sys/ and
// images/ files) generated from the fact tables into OUT_DIR.

#include <exception>
#include <iostream>

#include "tools/climate_data/installation_data.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: talp-climate-data FACTS_DIR OUT_DIR\n";
        return 2;
    }
    try {
        for (const std::string& file : talp::climate_data::generateInstallationData(argv[1], argv[2])) std::cout << file << "\n";
    } catch (const std::exception& e) {
        std::cerr << "talp-climate-data: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
