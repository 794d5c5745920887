#include "model/file_stamp.h"

namespace finplan {

std::optional<FileStamp> stampOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return FileStamp{st.st_dev, st.st_ino, st.st_size, st.st_mtim};
}

bool KnownFile::changedSince(const std::string& p) const {
    if (p != path || !stamp) return false;
    // A file that is gone is simply written again.
    const auto now = stampOf(p);
    return now && !(*now == *stamp);
}

bool confirmReplaceChanged(const KnownFile& known, const std::string& path, Messages& messages) {
    if (!known.changedSince(path)) return true;
    return messages.ask(path + " was changed by another program since you opened it. Replace it?",
                        "FILE WARNING", MessageIcon::Warning);
}

} // namespace finplan
