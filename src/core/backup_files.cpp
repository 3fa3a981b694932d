#include "core/backup_files.h"

#include "base/gbk.h"
#include "base/path_text.h"

namespace kalamo {
namespace {
// Leaves room for ".txt" in a name of at most 255 bytes.
constexpr std::size_t kMaxTitleBytes = 255 - 4;
}  // namespace

std::string BackupFolder(const std::string& runDirectory) {
    return runDirectory + "/" + GbkToUtf8("备份");
}

std::string BackupFilePath(const std::string& runDirectory, const std::string& gbkTitle) {
    return BackupFolder(runDirectory) + "/" + SafeFileName(GbkToUtf8(gbkTitle), kMaxTitleBytes) +
           ".txt";
}

}  // namespace kalamo
