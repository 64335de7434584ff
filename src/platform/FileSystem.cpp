#include "platform/FileSystem.h"

namespace zephrane {

std::optional<FolderListing> FileSystem::ListFolder(const std::string& folder) const {
    auto folders = SubFolders(folder);
    auto files = folders ? Files(folder) : std::nullopt;
    if (!files) return std::nullopt;
    return FolderListing{std::move(*folders), std::move(*files)};
}

}  // namespace zephrane
