// Conformance probe: runs the shared table of settings-file cases against the
// system's own GetPrivateProfileStringA and WritePrivateProfileStringA.
// Usage: profile.exe TABLE DIRECTORY. Prints one line per case: "agree",
// "DIFFER" (a failure), "differs-as-known" for a case the table marks as one
// where Wine is known to give another result, or "differs-by-choice" where
// the portable store deliberately departs from Windows; exits 1 on a DIFFER.
#include "ProfileCases.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

std::optional<std::string> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The first difference between what the table says and what the system did.
std::string Run(const profile_cases::Case& c, const std::string& path) {
    DeleteFileA(path.c_str());
    if (c.initial) {
        std::ofstream out(path, std::ios::binary);
        out << *c.initial;
    }
    for (const auto& op : c.operations) {
        if (op.kind == profile_cases::OperationKind::Read) {
            char buffer[2048];
            const DWORD n =
                GetPrivateProfileStringA(op.section.c_str(), op.key.c_str(), op.text.c_str(),
                                         buffer, sizeof buffer, path.c_str());
            const std::string got(buffer, n);
            if (got != op.expectedValue)
                return "line " + std::to_string(op.line) + ": read " + profile_cases::Escaped(got) +
                       ", table " + profile_cases::Escaped(op.expectedValue);
        } else {
            const bool got = WritePrivateProfileStringA(op.section.c_str(), op.key.c_str(),
                                                        op.text.c_str(), path.c_str()) != FALSE;
            if (got != op.expectedResult)
                return "line " + std::to_string(op.line) + ": write returned " +
                       (got ? "true" : "false");
        }
    }
    if (c.checkFinal) {
        const auto bytes = FileBytes(path);
        if (bytes != c.final)
            return "final file " + (bytes ? profile_cases::Escaped(*bytes) : "absent") +
                   ", table " + (c.final ? profile_cases::Escaped(*c.final) : "absent");
    }
    return {};
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: profile.exe TABLE DIRECTORY\n");
        return 2;
    }
    const auto cases = profile_cases::LoadCases(argv[1]);
    const std::string path = std::string(argv[2]) + "\\profile-case.ini";
    int differ = 0;
    for (const auto& c : cases) {
        const std::string difference = Run(c, path);
        if (difference.empty())
            std::printf("agree %s\n", c.name.c_str());
        else if (!c.wineDiffers.empty())
            std::printf("differs-as-known %s: %s (%s)\n", c.name.c_str(), difference.c_str(),
                        c.wineDiffers.c_str());
        else if (!c.portableChoice.empty())
            std::printf("differs-by-choice %s: %s (%s)\n", c.name.c_str(), difference.c_str(),
                        c.portableChoice.c_str());
        else {
            std::printf("DIFFER %s: %s\n", c.name.c_str(), difference.c_str());
            ++differ;
        }
    }
    std::printf("%zu cases, %d differ\n", cases.size(), differ);
    return differ == 0 ? 0 : 1;
}
