#pragma once

#include <filesystem>
#include <string>

namespace zephrane {

// The folder where the program keeps Control.txt, Flotilla.cfg.orv and
// Instructions.txt: the executable's own folder for a copy in a writable
// folder of its own; the per-user application data folder
// ($XDG_DATA_HOME/Zephrane, ~/.local/share/Zephrane, %APPDATA%\Zephrane),
// created when needed, for an installed copy: one whose folder is not
// writable or lies under a system prefix (even when root could write
// there). Both in the program's text.
std::string ChooseProgramFolder(const std::string& executableFolder);

// Whether the folder lies in a system installation tree (/usr, /opt, /bin,
// /sbin, /snap, /app; %ProgramFiles%, %ProgramFiles(x86)%, %SystemRoot% and
// the per-user %LOCALAPPDATA%\Programs on Windows), where programs are
// installed, not kept with their files.
bool IsUnderSystemPrefix(const std::filesystem::path& folder);

// The folder of the journal of operations, outside every folder the patch
// walk reaches: $XDG_STATE_HOME/zephrane/journal, else
// ~/.local/state/zephrane/journal; %LOCALAPPDATA%\Zephrane\journal on
// Windows. In the program's text; not created here.
std::string ChooseJournalFolder();

// Whether a file can be created in the folder (tried, then removed).
bool IsWritableFolder(const std::filesystem::path& folder);

}  // namespace zephrane
