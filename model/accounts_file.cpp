#include "model/accounts_file.h"

#include <memory>
#include <vector>

#include "model/atomic_file.h"
#include "model/file_prompts.h"
#include "model/record_io.h"

namespace finplan {

int writeAccountsFile(const AccountTable& t, const std::string& path, Messages& messages,
                      std::string* reason) {
    if (!confirmOverwrite(path, OverwriteWording::Exists, messages)) return 1;
    std::vector<uint8_t> bytes;
    writeAccountTable(t, bytes);
    const FileResult r = saveFile(path, bytes);
    if (reason != nullptr) *reason = r.reason;
    return r ? 1 : 0;
}

int readAccountsFile(AccountTable& t, const std::string& path, Messages& messages,
                     std::string* reason) {
    offerToRestore(path, messages);
    std::vector<uint8_t> bytes;
    // One byte more than the table tells a longer file from an exact one.
    const FileResult r = readRegularFile(path, kAccountTableSize + 1, bytes);
    if (reason != nullptr) *reason = r.reason;
    if (!r) return 0;
    // NaN or an infinity in an account in use, or a count the table cannot hold, is no
    // table the program wrote.
    auto read = std::make_unique<AccountTable>();
    if (bytes.size() != kAccountTableSize || !readAccountTable(bytes, *read) ||
        read->usableCount() != read->accountCount || !usedValuesFinite(*read)) {
        messages.show("The file " + path + " does not appear to be a valid accounts file!",
                      "FILE WARNING", MessageIcon::Error);
        return 0;
    }
    t = *read;
    return 1;
}

} // namespace finplan
