// Joining arguments into a Windows command line, quoted so that the usual splitting rules
// (backslashes double only before a quote) give the same arguments back.
#include "platform/winapi/winapi_command_line.h"

#include <cstring>

namespace {

void append_quoted(std::string& line, const char* word) {
    if (word[0] && !std::strpbrk(word, " \t\n\v\"")) {
        line += word;
        return;
    }
    line += '"';
    std::size_t backslashes = 0;
    for (const char* c = word; *c; ++c) {
        if (*c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes before a quote are doubled and the quote escaped; elsewhere they stand.
        if (*c == '"') backslashes = backslashes * 2 + 1;
        line.append(backslashes, '\\');
        backslashes = 0;
        line += *c;
    }
    // Before the closing quote, backslashes are doubled so that they do not escape it.
    line.append(backslashes * 2, '\\');
    line += '"';
}

} // namespace

std::string winapi_command_line(int argc, const char* const* argv) {
    std::string line;
    for (int i = 1; i < argc && argv && argv[i]; ++i) {
        if (i > 1) line += ' ';
        append_quoted(line, argv[i]);
    }
    return line;
}
