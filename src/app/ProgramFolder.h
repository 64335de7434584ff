#pragma once

#include <filesystem>
#include <string>

namespace zephrane {

// The folder where the program keeps Control.txt, Flotilla.cfg.orv and
// Instructions.txt: the executable's own folder, or, when that is not
// writable (an installed copy), the per-user application data folder
// ($XDG_DATA_HOME/Zephrane, ~/.local/share/Zephrane, %APPDATA%\Zephrane),
// created when needed. Both in the program's character set.
std::string ChooseProgramFolder(const std::string& executableFolder);

// The folder of the journal of operations, outside every folder the patch
// walk reaches: $XDG_STATE_HOME/zephrane/journal, else
// ~/.local/state/zephrane/journal; %LOCALAPPDATA%\Zephrane\journal on
// Windows. In the program's character set; not created here.
std::string ChooseJournalFolder();

// Whether a file can be created in the folder (tried, then removed).
bool IsWritableFolder(const std::filesystem::path& folder);

}  // namespace zephrane
