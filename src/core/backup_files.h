#pragma once

#include <string>

namespace kalamo {

// The folder 备份 beside the executable, where copies of the text are kept.
std::string BackupFolder(const std::string& runDirectory);
// The copy of the text written under a title (GBK): one file name, never outside the folder.
std::string BackupFilePath(const std::string& runDirectory, const std::string& gbkTitle);

}  // namespace kalamo
