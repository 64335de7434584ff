// bench-tree: writes the folder trees and large files the benchmarks run on.
//   bench-tree wide ROOT FILES FOLDERS MATCHES  a game folder of FOLDERS folders (ten to a folder) holding
//                                              FILES files, MATCHES of them Flotilla.cfg in varying case
//   bench-tree chain ROOT DEPTH                 DEPTH folders nested in one chain below the game folder
//   bench-tree shallow ROOT COUNT               COUNT folders side by side below the game folder
//   bench-tree basic FILE BYTES                 a basic.cfg of at least BYTES; prints the year, type and
//                                              version of its last loadout block
//   bench-tree flotilla FILE BYTES              a Flotilla.cfg of at least BYTES
//   bench-tree measure OUT COMMAND ARGS...       runs the command and writes to OUT its wall time and
//                                              processor time (user and system) in microseconds and
//                                              its peak memory in KB: "WALL CPU PEAK"
// In the chain and the shallow tree every folder holds a Flotilla.cfg and one other file. Each game
// folder also holds the sample's data\Menu\en_menu.txt and data\Cfg\basic.cfg, so that the program
// accepts it. Paths deeper than PATH_MAX are made relative to open folders.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "Sample.h"

namespace {

namespace fs = std::filesystem;
using zephrane::sample::Lines;

std::string Crlf(const Lines& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += line + "\r\n";
    return bytes;
}

bool WriteAt(int folder, const std::string& name, const std::string& bytes) {
    const int fd = ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool ok = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    return ::close(fd) == 0 && ok;
}

// Makes the folder (if needed) and opens it.
int FolderAt(int parent, const std::string& name) {
    ::mkdirat(parent, name.c_str(), 0755);
    return ::openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

std::string Numbered(const char* prefix, int n) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%05d", prefix, n);
    return text;
}

std::string OtherFile(int n) {
    return "Notes " + std::to_string(n) + "\r\n" + std::string(180, 'x') + "\r\n";
}

// The game folder with what makes the program accept it; its handle.
int GameFolder(const std::string& root) {
    fs::create_directories(fs::path(root) / "game" / "data" / "Menu");
    fs::create_directories(fs::path(root) / "game" / "data" / "Cfg");
    const fs::path game = fs::path(root) / "game";
    std::string error;
    zephrane::sample::WriteTextFile(game / "data" / "Menu" / "en_menu.txt", zephrane::sample::MenuText(),
                                    error);
    zephrane::sample::WriteTextFile(game / "data" / "Cfg" / "basic.cfg", zephrane::sample::BasicCfg(), error);
    return ::open(game.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

const std::string& FlotillaBytes() {
    static const std::string bytes =
        Crlf(zephrane::sample::FlotillaCfg(zephrane::sample::FlotillaEdition::kCurrent));
    return bytes;
}

const char* MatchName(int n) {
    static const char* const names[] = {"Flotilla.cfg", "FLOTILLA.CFG", "flotilla.cfg"};
    return names[n % 3];
}

int Wide(const std::string& root, int files, int folders, int matches) {
    const int game = GameFolder(root);
    // Folder i (from 1) lies in folder (i - 1) / 10; folder 0 is the game folder.
    std::vector<int> handles(static_cast<std::size_t>(folders) + 1, -1);
    handles[0] = game;
    for (int i = 1; i <= folders; ++i) handles[i] = FolderAt(handles[(i - 1) / 10], Numbered("Folder", i));
    const int every = matches > 0 ? folders / matches : folders + 1;
    int written = 0;
    for (int i = 1; i <= folders; ++i) {
        const int here = files / folders + (i <= files % folders ? 1 : 0);
        for (int f = 0; f < here; ++f, ++written) {
            const bool match = f == 0 && every > 0 && i % every == 0 && i / every <= matches;
            WriteAt(handles[i], match ? MatchName(i) : Numbered("File", f) + ".txt",
                    match ? FlotillaBytes() : OtherFile(written));
        }
    }
    for (int fd : handles) ::close(fd);
    return 0;
}

int Chain(const std::string& root, int depth) {
    int folder = GameFolder(root);
    for (int level = 1; level <= depth; ++level) {
        const int next = FolderAt(folder, Numbered("Level", level));
        ::close(folder);
        folder = next;
        WriteAt(folder, "Flotilla.cfg", FlotillaBytes());
        WriteAt(folder, "Readme.txt", OtherFile(level));
    }
    ::close(folder);
    return 0;
}

int Shallow(const std::string& root, int count) {
    const int game = GameFolder(root);
    for (int n = 1; n <= count; ++n) {
        const int folder = FolderAt(game, Numbered("Level", n));
        WriteAt(folder, "Flotilla.cfg", FlotillaBytes());
        WriteAt(folder, "Readme.txt", OtherFile(n));
        ::close(folder);
    }
    ::close(game);
    return 0;
}

const char* const kTypeNames[] = {"IIA", "IIB",     "VIIB", "VIIC", "IXB",
                                  "IXC", "VIIC/41", "IXD2", "XXI",  "XXIII"};

void AddSubmarine(Lines& out, int number) {
    out.push_back("[SUBMARINE" + std::to_string(number) + "]");
    out.push_back("NbVersion=2");
    for (int v = 0; v < 2; ++v) {
        out.push_back("Version=" + std::to_string(v));
        out.push_back(std::string("Name=") + kTypeNames[(number * 2 + v) % 10]);
        out.push_back("Month=" + std::to_string(1 + (number + v) % 12));
        out.push_back("Year=" + std::to_string(1939 + (number + v) % 6));
        out.push_back("CrewSize=" + std::to_string(40 + number % 20));
        out.push_back("SurfaceSpeed=17.7 ; knots");
        out.push_back("DaysSpentInBase=" + std::to_string(14 + number % 30));
    }
    out.push_back("");
}

void AddLoadout(Lines& out, int number, int version) {
    out.push_back("[SUBMARINE_AMMO" + std::to_string(number * 2 + version) + "]");
    out.push_back("Type=" + std::to_string(number));
    out.push_back("Version=" + std::to_string(version));
    for (int year = 1939; year <= 1945; ++year) {
        out.push_back("Year=" + std::to_string(year));
        for (const char* key : {"Z01=14", "M01=-1", "A01=220", "A02=4000", "S01=-100", "S02=-100", "S03=-100",
                                "SuperCharger=-1", "Snorkel=-1", "Batteries=-1", "AftBatteries=-1",
                                "Hydrophone=1", "Sonar=-1", "Radar=-1", "RadarWarningReceiver=-1",
                                "Decoy_Launcher=-1", "SonarCoatings=-1", "RadarCoatings=-1"})
            out.push_back(key);
        out.push_back("Renown=" + std::to_string((year - 1939) * 250));
    }
    out.push_back("");
}

int Basic(const std::string& file, std::size_t bytes) {
    Lines out = {"; A large basic.cfg written for the benchmarks", "", "[GENERAL]", "CrewFatigue=1", ""};
    // Sections in the order of the game's file: types, loadouts, torpedoes.
    const int types = static_cast<int>(bytes / 3990) + 1;
    for (int n = 0; n < types; ++n) AddSubmarine(out, n);
    for (int n = 0; n < types; ++n) {
        AddLoadout(out, n, 0);
        AddLoadout(out, n, 1);
    }
    for (int t = 0; t < 8; ++t) {
        out.push_back("[TORPEDO_TYPE" + std::to_string(t) + "]");
        out.push_back("Name=G7e");
        out.push_back("Month=9");
        out.push_back("Year=1939");
        out.push_back("");
    }
    std::string error;
    if (!zephrane::sample::WriteTextFile(file, out, error)) {
        std::cerr << "bench-tree: " << error << "\n";
        return 1;
    }
    std::cout << "1945 " << types - 1 << " 1\n";
    return 0;
}

void AddFlotilla(Lines& out, int j) {
    const std::string n = std::to_string(j);
    out.push_back("Flotilla" + n + "=" + std::to_string(902 + j % 10));
    out.push_back("NbBases" + n + "=2");
    for (int b = 0; b < 2; ++b) {
        const std::string k = n + "_" + std::to_string(b);
        out.push_back("Base" + k + (b == 0 ? "=750;Kiel" : "=760;Lorient"));
        out.push_back("Date" + k + "_0=" + std::to_string(1939 + b));
        out.push_back("Month" + k + "_0=9");
        out.push_back("Date" + k + "_1=" + std::to_string(1940 + 4 * b));
        out.push_back("Month" + k + "_1=6");
        out.push_back("DeparturePointLong" + k + (b == 0 ? "=10.19" : "=-3.37"));
        out.push_back("DeparturePointLat" + k + (b == 0 ? "=54.36" : "=47.72"));
        out.push_back("Heading" + k + (b == 0 ? "=15" : "=200"));
    }
    out.push_back("NbUboats" + n + "=3");
    for (int u = 0; u < 3; ++u)
        out.push_back("Uboat" + n + "_" + std::to_string(u) + "=" + std::to_string(u));
    out.push_back("");
}

int Flotilla(const std::string& file, std::size_t bytes) {
    Lines out = {"; A large Flotilla.cfg written for the benchmarks", "", "[FLOTILLA]",
                 "PlayerStartRenown=500", ""};
    std::size_t size = 0;
    for (int j = 0; size < bytes; ++j) {
        const std::size_t before = out.size();
        AddFlotilla(out, j);
        for (std::size_t i = before; i < out.size(); ++i) size += out[i].size() + 2;
    }
    std::string error;
    if (!zephrane::sample::WriteTextFile(file, out, error)) {
        std::cerr << "bench-tree: " << error << "\n";
        return 1;
    }
    return 0;
}

long Microseconds(const timeval& t) {
    return static_cast<long>(t.tv_sec) * 1000000 + static_cast<long>(t.tv_usec);
}

// On a shared machine the wall time waits for the processor; the processor
// time the process used is the steadier figure.
int Measure(const std::string& out, char** command) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::execvp(command[0], command);
        std::perror(command[0]);
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || ::wait4(child, &status, 0, &usage) < 0) return 1;
    const auto wall =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start)
            .count();
    std::ofstream(out) << wall << " " << Microseconds(usage.ru_utime) + Microseconds(usage.ru_stime) << " "
                       << usage.ru_maxrss << "\n";
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

int Usage() {
    std::cerr
        << "usage: bench-tree wide ROOT FILES FOLDERS MATCHES | chain ROOT DEPTH | shallow ROOT COUNT |\n"
           "                  basic FILE BYTES | flotilla FILE BYTES\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() < 3) return Usage();
    if (args[0] == "measure") return Measure(args[1], argv + 3);
    const std::string& what = args[0];
    const auto number = [&](std::size_t i) { return std::atoi(args[i].c_str()); };
    if (what == "wide" && args.size() == 5) return Wide(args[1], number(2), number(3), number(4));
    if (what == "chain") return Chain(args[1], number(2));
    if (what == "shallow") return Shallow(args[1], number(2));
    if (what == "basic") return Basic(args[1], static_cast<std::size_t>(number(2)));
    if (what == "flotilla") return Flotilla(args[1], static_cast<std::size_t>(number(2)));
    return Usage();
}
