// The portable profile store: the shared table of cases run on text and on
// real files, then what the table cannot say: refused writes, links,
// permission bits, a large file, a write cut short before the rename
// and two writes at once.
#include "settings/ProfileStore.h"

#include "profile/ProfileCases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace profile::detail {
// The write with a call-out just before the rename (defined in ProfileStore.cpp).
bool WriteStringWithHook(const std::string& path, std::string_view section, std::string_view key,
                         std::string_view value,
                         const std::function<void(const std::string& tempPath)>& beforeRename);
} // namespace profile::detail

namespace profile_cases {
// Cases print as their name in test lists instead of as raw bytes.
inline void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}
} // namespace profile_cases

namespace {

namespace fs = std::filesystem;
using profile_cases::Case;
using profile_cases::Escaped;
using profile_cases::OperationKind;

// A fresh directory under the system's temporary directory, removed with
// everything in it at the end of the test.
class TempDir {
public:
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "dormo-profile-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

void PutFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out.flush())
        throw std::runtime_error("cannot write " + path.string());
}

std::optional<std::string> FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The names in a directory, to show that no temporary file was left behind.
std::vector<std::string> Entries(const fs::path& dir) {
    std::vector<std::string> names;
    for (const fs::directory_entry& e : fs::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<Case> TableOrNothing() {
    try {
        return profile_cases::LoadCases(DORMO_TEST_DATA "/profile-cases.txt");
    } catch (const std::exception&) {
        return {}; // ProfileCaseTable.Parses reports why
    }
}

TEST(ProfileCaseTable, Parses) {
    EXPECT_NO_THROW(profile_cases::LoadCases(DORMO_TEST_DATA "/profile-cases.txt"));
}

// The table's own syntax, which the Win32 probe relies on as well.
TEST(ProfileCaseTable, ReadsEscapesRepeatsAndContinuations) {
    const std::vector<Case> cases =
        profile_cases::ParseCases("# comment +\n"
                                  "case one\n"
                                  "file \"a\\r\\n\\t\\\\\\\"\\x41\\xff\" + \"b\"*3 +\n"
                                  "     \"c\"\n"
                                  "read \" S \" \"K\" \"\" -> \"v\"\n"
                                  "write \"S\" \"K\" \"w\" -> false\n"
                                  "expect absent\n"
                                  "wine-differs: some reason\n"
                                  "case two\n");
    ASSERT_EQ(cases.size(), 2u);
    const Case& one = cases[0];
    EXPECT_EQ(one.name, "one");
    EXPECT_EQ(one.initial, std::optional<std::string>("a\r\n\t\\\"A\xff"
                                                      "bbbc"));
    ASSERT_EQ(one.operations.size(), 2u);
    EXPECT_EQ(one.operations[0].kind, OperationKind::Read);
    EXPECT_EQ(one.operations[0].section, " S ");
    EXPECT_EQ(one.operations[0].text, "");
    EXPECT_EQ(one.operations[0].expectedValue, "v");
    EXPECT_EQ(one.operations[1].line, 6);
    EXPECT_FALSE(one.operations[1].expectedResult);
    EXPECT_TRUE(one.checkFinal);
    EXPECT_FALSE(one.final.has_value());
    EXPECT_EQ(one.wineDiffers, "some reason");
    EXPECT_FALSE(cases[1].initial.has_value());
    EXPECT_FALSE(cases[1].checkFinal);

    for (const char* bad :
         {"read \"S\" \"K\" \"d\" -> \"v\"\n", "case a\nread \"S\" \"K\" -> \"v\"\n",
          "case a\nfile \"\\q\"\n", "case a\nwrite \"S\" \"K\" \"v\" -> yes\n", "case a\ncase a\n",
          "case a\nfile \"x\" junk\n"}) {
        EXPECT_THROW(profile_cases::ParseCases(bad), std::runtime_error) << bad;
    }
}

class ProfileCaseTest : public testing::TestWithParam<Case> {};

std::string Where(int line) {
    return "profile-cases.txt:" + std::to_string(line);
}

TEST_P(ProfileCaseTest, OnText) {
    const Case& c = GetParam();
    std::string text = c.initial.value_or("");
    for (const profile_cases::Operation& op : c.operations) {
        SCOPED_TRACE(Where(op.line));
        if (op.kind == OperationKind::Read) {
            EXPECT_EQ(Escaped(profile::ReadFromText(text, op.section, op.key, op.text)),
                      Escaped(op.expectedValue));
            continue;
        }
        const std::optional<std::string> written =
            profile::WriteToText(text, op.section, op.key, op.text);
        EXPECT_EQ(written.has_value(), op.expectedResult);
        if (written)
            text = *written;
    }
    if (c.checkFinal) {
        SCOPED_TRACE(Where(c.line));
        EXPECT_EQ(Escaped(text), Escaped(c.final.value_or("")));
    }
}

TEST_P(ProfileCaseTest, OnDisk) {
    const Case& c = GetParam();
    const TempDir dir;
    const std::string path = dir.File("Dormo.INI");
    if (c.initial)
        PutFile(path, *c.initial);
    for (const profile_cases::Operation& op : c.operations) {
        SCOPED_TRACE(Where(op.line));
        if (op.kind == OperationKind::Read) {
            EXPECT_EQ(Escaped(profile::ReadString(path, op.section, op.key, op.text)),
                      Escaped(op.expectedValue));
        } else {
            EXPECT_EQ(profile::WriteString(path, op.section, op.key, op.text), op.expectedResult);
        }
    }
    SCOPED_TRACE(Where(c.line));
    if (c.checkFinal) {
        const std::optional<std::string> bytes = FileBytes(path);
        ASSERT_EQ(bytes.has_value(), c.final.has_value());
        if (bytes) {
            EXPECT_EQ(Escaped(*bytes), Escaped(*c.final));
        }
    }
    const bool fileThere = fs::exists(path);
    EXPECT_EQ(Entries(dir.Path()),
              fileThere ? std::vector<std::string>{"Dormo.INI"} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Table, ProfileCaseTest, testing::ValuesIn(TableOrNothing()),
                         [](const testing::TestParamInfo<Case>& param) {
                             return param.param.name;
                         });

// --- Refused writes ------------------------------------------------------------

const std::string Original = "[Timer]\r\nTimePause=10\r\n";

TEST(ProfileStoreRefusal, MissingDirectory) {
    const TempDir dir;
    const std::string path = dir.File("missing/Dormo.INI");
    EXPECT_FALSE(profile::WriteString(path, "Timer", "TimePause", "10"));
    EXPECT_FALSE(fs::exists(dir.Path() / "missing"));
    EXPECT_EQ(profile::ReadString(path, "Timer", "TimePause", "Error"), "Error");
}

TEST(ProfileStoreRefusal, ParentIsARegularFile) {
    const TempDir dir;
    PutFile(dir.Path() / "plain", Original);
    EXPECT_FALSE(profile::WriteString(dir.File("plain/Dormo.INI"), "Timer", "TimePause", "20"));
    EXPECT_EQ(FileBytes(dir.Path() / "plain"), Original);
    EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"plain"});
}

// A directory or a FIFO where the file should be: nothing that can be read as
// the settings, so it is neither replaced nor waited on.
TEST(ProfileStoreRefusal, PathIsNotARegularFile) {
    const TempDir dir;
    const std::string asDir = dir.File("AsDir.INI");
    const std::string asFifo = dir.File("AsFifo.INI");
    fs::create_directory(asDir);
    ASSERT_EQ(::mkfifo(asFifo.c_str(), 0644), 0);

    for (const std::string& path : {asDir, asFifo}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(profile::ReadString(path, "Timer", "TimePause", "Error"), "Error");
        EXPECT_FALSE(profile::WriteString(path, "Timer", "TimePause", "10"));
    }
    EXPECT_TRUE(fs::is_directory(asDir));
    EXPECT_TRUE(fs::is_empty(asDir));
    EXPECT_TRUE(fs::is_fifo(asFifo));
    EXPECT_EQ(Entries(dir.Path()), (std::vector<std::string>{"AsDir.INI", "AsFifo.INI"}));
}

// --- Where and how the file is replaced ----------------------------------------

TEST(ProfileStoreWrite, WritesThroughASymlinkAndKeepsIt) {
    const TempDir dir;
    fs::create_directory(dir.Path() / "conf");
    PutFile(dir.Path() / "conf/real.ini", Original);
    const std::string link = dir.File("Dormo.INI");
    fs::create_symlink("conf/real.ini", link);

    EXPECT_TRUE(profile::WriteString(link, "Timer", "Test", "0"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link), fs::path("conf/real.ini"));
    EXPECT_EQ(FileBytes(dir.Path() / "conf/real.ini"), Original + "Test=0\r\n");
    EXPECT_EQ(Entries(dir.Path() / "conf"), std::vector<std::string>{"real.ini"});

    // A link whose target does not exist yet: the target is created.
    const std::string dangling = dir.File("New.INI");
    fs::create_symlink("conf/new.ini", dangling);
    EXPECT_TRUE(profile::WriteString(dangling, "Timer", "Test", "1"));
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(FileBytes(dir.Path() / "conf/new.ini"), "[Timer]\r\nTest=1\r\n");
}

TEST(ProfileStoreWrite, KeepsPermissionBits) {
    const TempDir dir;
    const std::string path = dir.File("Dormo.INI");
    PutFile(path, Original);
    // Group write would be cleared by the usual umask if the new file's mode
    // came from it.
    fs::permissions(path, fs::perms(0664));
    const mode_t oldMask = ::umask(022);
    const bool written = profile::WriteString(path, "Timer", "Test", "0");
    const bool created = profile::WriteString(dir.File("New.INI"), "Timer", "Test", "0");
    ::umask(oldMask);
    ASSERT_TRUE(written);
    ASSERT_TRUE(created);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0664));
    // A new file gets the mode of any newly created file, not a private one.
    EXPECT_EQ(fs::status(dir.File("New.INI")).permissions(), fs::perms(0644));
}

// About 10 MB in 1000 sections of 100 keys; a read or write there must find
// the right line and keep all the rest.
TEST(ProfileStoreWrite, LargeFile) {
    const TempDir dir;
    const std::string path = dir.File("Dormo.INI");
    const std::string filler(80, 'v');
    std::vector<std::string> lines;
    for (int s = 0; s < 1000; ++s) {
        lines.push_back("[S" + std::to_string(s) + "]");
        for (int k = 0; k < 100; ++k)
            lines.push_back("Key" + std::to_string(k) + " = " + filler + std::to_string(s));
    }
    const auto join = [](const std::vector<std::string>& ls) {
        std::string text;
        for (const std::string& l : ls)
            text += l + "\r\n";
        return text;
    };
    PutFile(path, join(lines));
    ASSERT_GT(fs::file_size(path), 9'000'000u);

    EXPECT_EQ(profile::ReadString(path, "S999", "Key99", "Error"), filler + "999");
    EXPECT_EQ(profile::ReadString(path, "s0", "key0", "Error"), filler + "0");
    EXPECT_EQ(profile::ReadString(path, "S500", "Key100", "Error"), "Error");
    ASSERT_TRUE(profile::WriteString(path, "S500", "Key50", "changed"));
    ASSERT_TRUE(profile::WriteString(path, "S999", "Added", "1"));
    ASSERT_TRUE(profile::WriteString(path, "Timer", "Test", "0"));
    EXPECT_EQ(profile::ReadString(path, "S500", "Key50", "Error"), "changed");

    lines[500 * 101 + 1 + 50] = "Key50 = changed";
    lines.insert(lines.end(), {"Added=1", "[Timer]", "Test=0"});
    const std::optional<std::string> bytes = FileBytes(path);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_TRUE(*bytes == join(lines)); // not EXPECT_EQ: no 10 MB message
    EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"Dormo.INI"});
}

// A write whose process dies after the new file is complete but before it
// replaces the old one leaves the old file as it was.
TEST(ProfileStoreWrite, DeathBeforeTheRenameKeepsTheOriginal) {
    const TempDir dir;
    const std::string path = dir.File("Dormo.INI");
    PutFile(path, Original);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        profile::detail::WriteStringWithHook(path, "Timer", "TimePause", "20",
                                             [](const std::string&) { ::_exit(0); });
        ::_exit(1); // the hook was not reached
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);

    EXPECT_EQ(FileBytes(path), Original);
    // The complete new file is what the dead write left beside it.
    std::vector<std::string> names = Entries(dir.Path());
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[1], "Dormo.INI");
    const std::string temp = names[0];
    EXPECT_EQ(temp.rfind(".Dormo.INI.tmp", 0), 0u) << temp;
    EXPECT_EQ(FileBytes(dir.Path() / temp), "[Timer]\r\nTimePause=20\r\n");
}

// Two copies writing at once: a write that starts while another is between its
// read and its rename waits for it, so neither key is lost.
TEST(ProfileStoreWrite, ConcurrentWritesBothLand) {
    const TempDir dir;
    const std::string path = dir.File("Dormo.INI");
    PutFile(path, Original);
    pid_t child = -1;
    ASSERT_TRUE(profile::detail::WriteStringWithHook(
        path, "Timer", "TimePause", "20", [&](const std::string&) {
            child = ::fork();
            if (child == 0)
                ::_exit(profile::WriteString(path, "Position", "PositionTop", "50") ? 0 : 1);
            // Time for the other write to finish, were it not made to wait.
            ::usleep(300'000);
        }));
    ASSERT_GT(child, 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(profile::ReadString(path, "Timer", "TimePause", "Error"), "20");
    EXPECT_EQ(profile::ReadString(path, "Position", "PositionTop", "Error"), "50");
}

// When the last step fails, the new file is removed and the write reports it.
TEST(ProfileStoreWrite, FailedRenameLeavesNoTempFile) {
    const TempDir dir;
    const std::string path = dir.File("Dormo.INI");
    PutFile(path, Original);
    const bool written = profile::detail::WriteStringWithHook(
        path, "Timer", "TimePause", "20", [&](const std::string&) {
            // Something puts a non-empty directory in the file's place.
            fs::remove(path);
            fs::create_directories(dir.Path() / "Dormo.INI/inside");
        });
    EXPECT_FALSE(written);
    EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"Dormo.INI"});
}

} // namespace
