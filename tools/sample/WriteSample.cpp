#include <fstream>

#include "Sample.h"
#include "platform/TextFile.h"

namespace zephrane::sample {

namespace fs = std::filesystem;

bool WriteTextFile(const fs::path& file, const Lines& lines, std::string& error) {
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    if (ec) {
        error = "cannot create " + file.parent_path().string() + ": " + ec.message();
        return false;
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << JoinLines(lines);
    out.close();
    if (!out) {
        error = "cannot write " + file.string();
        return false;
    }
    return true;
}

namespace {

struct PlannedFile {
    fs::path path;
    Lines lines;
};

// Folder names use the letter cases the program asks for; the game's "cfg"
// and "Cfg" are one folder here, matched without regard to case.
std::vector<PlannedFile> GameFiles(const fs::path& game) {
    return {
        {game / "data" / "Menu" / "en_menu.txt", MenuText()},
        {game / "data" / "Cfg" / "basic.cfg", BasicCfg()},
        {game / "data" / "Cfg" / "Flotilla.cfg", FlotillaCfg(FlotillaEdition::kCurrent)},
        {game / "data" / "Cfg" / "Main.cfg",
         {"[SETTINGS]", "Resolution=1024x768", "Realism=72", "ExternalView=0", "MapContacts=0"}},
        {game / "Readme.txt",
         {"Sample game folder written by zephrane-sample.",
          "Every file here is made up for trying out Zephrane."}},
    };
}

std::vector<PlannedFile> CommanderFiles(const fs::path& commander) {
    const fs::path backup = commander / "!BACKUP";
    return {
        {commander / "Cfg" / "U-boat numbers.cfg", UBoatNumbers()},
        {commander / "Cfg" / "SH3 Commander.cfg",
         {"[SETTINGS]", "Language=English", "RandomStartDate=1", "DaysInBase=21"}},
        {backup / "2023-09-30_184211" / "data" / "Cfg" / "Flotilla.cfg",
         FlotillaCfg(FlotillaEdition::kPreviousInstall)},
        {backup / "2024-02-17_093502" / "data" / "Cfg" / "Flotilla.cfg",
         FlotillaCfg(FlotillaEdition::kAutumn1941Mod)},
    };
}

std::vector<PlannedFile> CareerFiles(const fs::path& careers) {
    std::vector<PlannedFile> files;
    for (const auto& commander : Commanders()) {
        for (const auto& file : commander.files) {
            files.push_back({careers / commander.name / file.name, file.lines});
        }
    }
    // SH3's own profile folder sits beside the commanders; it is no commander.
    files.push_back({careers / "Player" / "Player.cfg", {"[PLAYER]", "LastCareer=0", "Difficulty=2"}});
    return files;
}

}  // namespace

bool WriteSample(const fs::path& root, SampleFolders& folders, std::string& error) {
    folders = {root / "SilentHunterIII", root / "SH3 Commander", root / "Careers"};
    std::vector<PlannedFile> all = GameFiles(folders.game);
    for (auto& f : CommanderFiles(folders.commander)) all.push_back(std::move(f));
    for (auto& f : CareerFiles(folders.careers)) all.push_back(std::move(f));
    for (const auto& file : all) {
        if (!WriteTextFile(file.path, file.lines, error)) return false;
    }
    return true;
}

}  // namespace zephrane::sample
