#include "ShellWords.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Characters that a backslash escapes inside double quotes.
bool EscapableInDoubleQuotes(char c) {
    return c == '$' || c == '`' || c == '"' || c == '\\' || c == '\n';
}

} // namespace

std::optional<std::vector<std::string>> SplitShellWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false; // also true for a word made only of quotes: ""
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (IsBlank(c)) {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
            ++i;
            continue;
        }
        if (c == '\\' && i + 1 < text.size() && text[i + 1] == '\n') {
            i += 2; // a line continuation joins the lines
            continue;
        }
        inWord = true;
        if (c == '\'') {
            const std::size_t end = text.find('\'', i + 1);
            if (end == std::string_view::npos)
                return std::nullopt;
            word.append(text.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        if (c == '"') {
            ++i;
            for (;;) {
                if (i >= text.size())
                    return std::nullopt;
                const char d = text[i];
                if (d == '"')
                    break;
                if (d == '\\' && i + 1 < text.size() && EscapableInDoubleQuotes(text[i + 1])) {
                    if (text[i + 1] != '\n') // a quoted line break joins lines
                        word.push_back(text[i + 1]);
                    i += 2;
                    continue;
                }
                word.push_back(d);
                ++i;
            }
            ++i;
            continue;
        }
        if (c == '\\') {
            // A backslash at the very end stays as it is.
            if (i + 1 >= text.size()) {
                word.push_back(c);
                ++i;
                continue;
            }
            word.push_back(text[i + 1]);
            i += 2;
            continue;
        }
        word.push_back(c);
        ++i;
    }
    if (inWord)
        words.push_back(std::move(word));
    return words;
}
