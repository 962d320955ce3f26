// The settings-file store over arbitrary file bytes, then a write of an
// arbitrary section, key and value. A write must change nothing but its own
// key's line (or add lines), and a value it accepted reads back as written
// whenever the store's rules keep it as it is (no blanks around it, no
// enclosing quotes, at most 2047 characters).
#include "settings/ProfileStore.h"

#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzCheck.h"

#include <cstdlib>
#include <string>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool KeptAsWritten(const std::string& v) {
    if (v.size() > profile::MaxValueLength)
        return false;
    if (!v.empty() && (IsBlank(v.front()) || IsBlank(v.back())))
        return false;
    return !(v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front());
}

bool HasLineBreak(const std::string& s) {
    return s.find_first_of("\r\n") != std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string section = in.ConsumeRandomLengthString(24);
    const std::string key = in.ConsumeRandomLengthString(24);
    const std::string value = in.ConsumeRandomLengthString(3000);
    const std::string file = in.ConsumeRemainingBytesAsString();

    // Reading never fails and never returns more than the limit.
    const std::string before = profile::ReadFromText(file, section, key, "\x01missing");
    CHECK(before.size() <= profile::MaxValueLength);

    const auto written = profile::WriteToText(file, section, key, value);
    if (!written)
        return 0;
    const std::string& after = *written;

    // Only one line of the old text changes: strip the common prefix and
    // suffix, and what is left of the old text holds no line break.
    std::size_t prefix = 0;
    while (prefix < file.size() && prefix < after.size() && file[prefix] == after[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < file.size() - prefix && suffix < after.size() - prefix &&
           file[file.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    CHECK(!HasLineBreak(file.substr(prefix, file.size() - prefix - suffix)));

    const std::string read = profile::ReadFromText(after, section, key, "\x01missing");
    if (KeptAsWritten(value))
        CHECK(read == value);

    // Writing the same again changes nothing.
    const auto again = profile::WriteToText(after, section, key, value);
    CHECK(again && *again == after);
    return 0;
}
