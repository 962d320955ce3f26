// The table of profile-file cases (tests/data/profile-cases.txt) as data: each
// case is an initial file, a list of reads and writes with their expected
// results, and optionally the file's exact bytes at the end. The portable
// store's unit test and the Win32 probe of the Windows functions both run it.
// Header-only, standard library only; the format is described at the top of
// the table itself. Parse errors throw std::runtime_error naming the line.
#pragma once

#include <cctype>
#include <cstddef>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace profile_cases {

enum class OperationKind { Read, Write };

struct Operation {
    OperationKind kind = OperationKind::Read;
    std::string section;
    std::string key;
    std::string text;            // the default of a read, the value of a write
    std::string expectedValue;   // what a read returns
    bool expectedResult = false; // what a write returns
    int line = 0;
};

struct Case {
    std::string name;
    int line = 0;
    std::optional<std::string> initial; // nothing: no file at the start
    std::vector<Operation> operations;
    bool checkFinal = false;
    std::optional<std::string> final; // nothing: no file at the end
    std::string wineDiffers;          // why Wine is known to give another result
    std::string portableChoice;       // why the portable store differs from Windows
};

namespace detail {

inline std::runtime_error ErrorAt(int line, const std::string& what) {
    return std::runtime_error("profile-cases.txt line " + std::to_string(line) + ": " + what);
}

inline int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads the tokens of one logical line: bare words, quoted texts, "+" and "*N".
class LineParser {
public:
    LineParser(std::string_view text, int line) : text_(text), line_(line) {}

    void SkipSpaces() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t'))
            ++pos_;
    }
    bool AtEnd() {
        SkipSpaces();
        return pos_ >= text_.size();
    }
    std::string Word() {
        SkipSpaces();
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != ' ' && text_[pos_] != '\t' &&
               text_[pos_] != '"')
            ++pos_;
        return std::string(text_.substr(start, pos_ - start));
    }
    std::string Rest() {
        SkipSpaces();
        std::string rest(text_.substr(pos_));
        pos_ = text_.size();
        return rest;
    }
    void Expect(std::string_view word) {
        if (Word() != word)
            throw ErrorAt(line_, "expected '" + std::string(word) + "'");
    }
    bool NextIsQuote() {
        SkipSpaces();
        return pos_ < text_.size() && text_[pos_] == '"';
    }

    // TEXT: a quoted string, optionally "*N", joined to more by "+".
    std::string Text() {
        std::string out;
        for (;;) {
            std::string piece = Quoted();
            SkipSpaces();
            std::size_t repeat = 1;
            if (pos_ < text_.size() && text_[pos_] == '*') {
                ++pos_;
                const std::size_t start = pos_;
                while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_])))
                    ++pos_;
                if (start == pos_)
                    throw ErrorAt(line_, "expected a count after '*'");
                repeat = static_cast<std::size_t>(
                    std::stoul(std::string(text_.substr(start, pos_ - start))));
            }
            for (std::size_t i = 0; i < repeat; ++i)
                out += piece;
            SkipSpaces();
            if (pos_ < text_.size() && text_[pos_] == '+') {
                ++pos_;
                continue;
            }
            return out;
        }
    }

private:
    std::string Quoted() {
        SkipSpaces();
        if (pos_ >= text_.size() || text_[pos_] != '"')
            throw ErrorAt(line_, "expected a quoted text");
        ++pos_;
        std::string out;
        for (;;) {
            if (pos_ >= text_.size())
                throw ErrorAt(line_, "unterminated quoted text");
            const char c = text_[pos_++];
            if (c == '"')
                return out;
            if (c != '\\') {
                out += c;
                continue;
            }
            if (pos_ >= text_.size())
                throw ErrorAt(line_, "escape at the end of the line");
            const char e = text_[pos_++];
            switch (e) {
            case 'r':
                out += '\r';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case '\\':
                out += '\\';
                break;
            case '"':
                out += '"';
                break;
            case 'x': {
                const int hi = pos_ < text_.size() ? HexDigit(text_[pos_]) : -1;
                const int lo = pos_ + 1 < text_.size() ? HexDigit(text_[pos_ + 1]) : -1;
                if (hi < 0 || lo < 0)
                    throw ErrorAt(line_, "\\x needs two hex digits");
                out += static_cast<char>(hi * 16 + lo);
                pos_ += 2;
                break;
            }
            default:
                throw ErrorAt(line_, std::string("unknown escape \\") + e);
            }
        }
    }

    std::string_view text_;
    int line_;
    std::size_t pos_ = 0;
};

inline bool ValidName(std::string_view name) {
    if (name.empty())
        return false;
    for (const char c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
            return false;
    }
    return true;
}

inline bool IsComment(std::string_view s) {
    const std::size_t first = s.find_first_not_of(" \t");
    return first != std::string_view::npos && s[first] == '#';
}

inline bool EndsWithPlus(std::string_view s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return !s.empty() && s.back() == '+';
}

} // namespace detail

// Parses the whole table.
inline std::vector<Case> ParseCases(std::string_view text) {
    std::vector<Case> cases;
    std::vector<std::string> names;
    std::size_t pos = 0;
    int lineNumber = 0;
    while (pos < text.size()) {
        // A logical line: physical lines joined while they end in "+".
        std::string logical;
        const int firstLine = lineNumber + 1;
        for (;;) {
            std::size_t end = text.find('\n', pos);
            if (end == std::string_view::npos)
                end = text.size();
            std::string_view physical = text.substr(pos, end - pos);
            if (!physical.empty() && physical.back() == '\r')
                physical.remove_suffix(1);
            pos = end < text.size() ? end + 1 : end;
            ++lineNumber;
            logical += physical;
            if (detail::IsComment(logical) || !detail::EndsWithPlus(physical) || pos >= text.size())
                break;
        }

        detail::LineParser p(logical, firstLine);
        if (p.AtEnd())
            continue;
        const std::string word = p.Word();
        if (word.empty() || word[0] == '#')
            continue;
        if (word == "case") {
            Case c;
            c.name = p.Word();
            c.line = firstLine;
            if (!detail::ValidName(c.name))
                throw detail::ErrorAt(firstLine, "a case name is letters, digits and '_'");
            for (const std::string& n : names) {
                if (n == c.name)
                    throw detail::ErrorAt(firstLine, "duplicate case name " + c.name);
            }
            names.push_back(c.name);
            cases.push_back(std::move(c));
            continue;
        }
        if (cases.empty())
            throw detail::ErrorAt(firstLine, "'" + word + "' before the first 'case'");
        Case& c = cases.back();
        if (word == "file" || word == "expect") {
            std::optional<std::string> content;
            if (p.NextIsQuote())
                content = p.Text();
            else
                p.Expect("absent");
            if (word == "file") {
                c.initial = std::move(content);
            } else {
                c.checkFinal = true;
                c.final = std::move(content);
            }
        } else if (word == "read" || word == "write") {
            Operation op;
            op.kind = word == "read" ? OperationKind::Read : OperationKind::Write;
            op.line = firstLine;
            op.section = p.Text();
            op.key = p.Text();
            op.text = p.Text();
            p.Expect("->");
            if (op.kind == OperationKind::Read) {
                op.expectedValue = p.Text();
            } else {
                const std::string result = p.Word();
                if (result != "true" && result != "false")
                    throw detail::ErrorAt(firstLine, "a write expects true or false");
                op.expectedResult = result == "true";
            }
            c.operations.push_back(std::move(op));
        } else if (word == "wine-differs:") {
            c.wineDiffers = p.Rest();
        } else if (word == "portable-choice:") {
            c.portableChoice = p.Rest();
        } else {
            throw detail::ErrorAt(firstLine, "unknown directive '" + word + "'");
        }
        if (!p.AtEnd())
            throw detail::ErrorAt(firstLine, "unexpected text at the end of the line");
    }
    return cases;
}

// Reads and parses the table file.
inline std::vector<Case> LoadCases(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return ParseCases(text.str());
}

// Bytes in the table's own escaped form, for failure messages.
inline std::string Escaped(std::string_view bytes) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\\' || c == '"')
            out += std::string("\\") + c;
        else if (u < 0x20 || u >= 0x7F)
            out += std::string("\\x") + hex[u >> 4] + hex[u & 15];
        else
            out += c;
    }
    return out + "\"";
}

} // namespace profile_cases
