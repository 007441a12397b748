#pragma once
// Limits that keep a hostile or runaway address book from exhausting memory.
namespace AddressBookLimits {
constexpr int MaxRecords = 100000;
constexpr long long MaxFileBytes = 50LL * 1024 * 1024;
}
