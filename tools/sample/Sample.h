#pragma once

#include <filesystem>
#include <string>
#include <vector>

// A made-up installation of the game, SH3 Commander and two careers, written
// for the demo and the end-to-end tests. Every name and number in it is
// invented; only the file layout follows what the program reads.
namespace zephrane::sample {

using Lines = std::vector<std::string>;

// The three folders of a written sample, in the order the program asks for them.
struct SampleFolders {
    std::filesystem::path game;
    std::filesystem::path commander;
    std::filesystem::path careers;
};

// Game home folder contents.
Lines MenuText();
Lines BasicCfg();

// Flotilla.cfg as the game ships it; the older editions are the copies that
// SH3 Commander keeps below "!BACKUP".
enum class FlotillaEdition { kCurrent, kAutumn1941Mod, kPreviousInstall };
Lines FlotillaCfg(FlotillaEdition edition);

// SH3 Commander's Cfg\U-boat numbers.cfg.
Lines UBoatNumbers();

// One commander's career folder: file name and lines of each file.
struct CareerFile {
    std::string name;
    Lines lines;
};
struct Commander {
    std::string name;
    std::vector<CareerFile> files;
};
std::vector<Commander> Commanders();

// Writes a text file (CR LF after every line), creating its folders.
// Returns false and sets `error` when it cannot.
bool WriteTextFile(const std::filesystem::path& file, const Lines& lines, std::string& error);

// Writes the whole sample below `root`, which must exist and be empty.
bool WriteSample(const std::filesystem::path& root, SampleFolders& folders, std::string& error);

}  // namespace zephrane::sample
