#include "model/accounts_file.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "model/atomic_file.h"
#include "model/record_io.h"

namespace finplan {

int writeAccountsFile(const AccountTable& t, const std::string& path, Messages& messages) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec) &&
        !messages.ask(path + " exists - Overwrite anyway?", "FILE WARNING", MessageIcon::Error))
        return 1;
    std::vector<uint8_t> bytes;
    writeAccountTable(t, bytes);
    return writeFileAtomically(path, bytes) ? 1 : 0;
}

int readAccountsFile(AccountTable& t, const std::string& path, Messages& messages) {
    std::vector<uint8_t> bytes;
    // One byte more than the table tells a longer file from an exact one.
    if (!readFilePrefix(path, kAccountTableSize + 1, bytes)) return 0;
    if (bytes.size() != kAccountTableSize) {
        messages.show("The file " + path + " does not appear to be a valid accounts file!",
                      "FILE WARNING", MessageIcon::Error);
        return 0;
    }
    return readAccountTable(bytes, t) ? 1 : 0;
}

} // namespace finplan
