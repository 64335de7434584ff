// zephrane-sample DIR: writes a sample installation below DIR and prints its
// game, SH3 Commander and careers folders, one a line.
#include <filesystem>
#include <iostream>
#include <system_error>

#include "Sample.h"

namespace fs = std::filesystem;

namespace {

// The sample never overwrites anything: DIR must be new or an empty folder.
bool PrepareTarget(const fs::path& dir, std::string& error) {
    std::error_code ec;
    if (fs::exists(dir, ec)) {
        if (!fs::is_directory(dir, ec)) {
            error = dir.string() + " exists and is not a folder";
            return false;
        }
        if (!fs::is_empty(dir, ec) || ec) {
            error = dir.string() + " is not empty; choose a new or empty folder";
            return false;
        }
        return true;
    }
    if (!fs::create_directories(dir, ec) || ec) {
        error = "cannot create " + dir.string() + ": " + ec.message();
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: zephrane-sample DIR\n"
                  << "Writes a made-up SilentHunterIII, SH3 Commander and careers installation below DIR\n"
                  << "(a new or empty folder) and prints the three folders.\n";
        return 2;
    }
    const fs::path dir = argv[1];
    std::string error;
    if (!PrepareTarget(dir, error)) {
        std::cerr << "zephrane-sample: " << error << "\n";
        return 1;
    }
    std::error_code ec;
    const fs::path root = fs::weakly_canonical(fs::absolute(dir, ec), ec);
    zephrane::sample::SampleFolders folders;
    if (ec || !zephrane::sample::WriteSample(root, folders, error)) {
        std::cerr << "zephrane-sample: " << (ec ? ec.message() : error) << "\n";
        return 1;
    }
    std::cout << folders.game.string() << "\n"
              << folders.commander.string() << "\n"
              << folders.careers.string() << "\n";
    return 0;
}
