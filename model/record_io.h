// Field-by-field little-endian encoding of the scenario records, following the
// layout tables of records.h. Unused slots and reserved bytes travel unchanged, so
// a record read and written again gives the same bytes.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/records.h"

namespace finplan {

// The writers append exactly the record's stored size to out.
void writeInitialValues(const InitialValues& iv, std::vector<uint8_t>& out);
void writeEvent(const Event& e, std::vector<uint8_t>& out);
void writeAccount(const Account& a, std::vector<uint8_t>& out);
void writeAccountTable(const AccountTable& t, std::vector<uint8_t>& out);
void writeGroupTable(const GroupTable& g, std::vector<uint8_t>& out);

// The readers decode the first stored-size bytes of in; false (record untouched)
// when in is shorter than that.
bool readInitialValues(std::span<const uint8_t> in, InitialValues& iv);
bool readEvent(std::span<const uint8_t> in, Event& e);
bool readAccount(std::span<const uint8_t> in, Account& a);
bool readAccountTable(std::span<const uint8_t> in, AccountTable& t);
bool readGroupTable(std::span<const uint8_t> in, GroupTable& g);

// False when a float field the program uses holds NaN or an infinity. Reserved
// fields and the working values a run sets before it reads them are not looked at;
// for the account table only the accounts in use are.
bool usedValuesFinite(const InitialValues& iv);
bool usedValuesFinite(const Event& e);
bool usedValuesFinite(const Account& a);
bool usedValuesFinite(const AccountTable& t);
bool usedValuesFinite(const GroupTable& g);

// A group table cut short: the bytes present replace the leading part of the
// stored form, the rest of g keeps its values.
void readGroupTablePrefix(std::span<const uint8_t> in, GroupTable& g);

} // namespace finplan
