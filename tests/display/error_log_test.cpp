// The error log: header and timestamp, dropped messages, truncation on reopen, the closing
// text, adopted standard streams, and messages too long for the buffer.
#include "display_test_support.h"

#include "engine/display/error_log.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>

namespace {

bool file_exists(const char* path) {
    struct stat info;
    return stat(path, &info) == 0;
}

// Length of the timestamp at the start of `text` ("Thu Jan  1 00:00:00.5, 1970\n"), or 0
// when the text does not start with one. Milliseconds must be unpadded.
std::size_t timestamp_length(const std::string& text) {
    const std::string shape = "Aaa Aaa _9 99:99:99.";
    if (text.size() < shape.size()) return 0;
    for (std::size_t i = 0; i < shape.size(); ++i) {
        char c = text[i];
        bool fits = shape[i] == 'A'   ? std::isupper(static_cast<unsigned char>(c))
                    : shape[i] == 'a' ? std::islower(static_cast<unsigned char>(c))
                    : shape[i] == '9' ? std::isdigit(static_cast<unsigned char>(c))
                    : shape[i] == '_' ? c == ' ' || std::isdigit(static_cast<unsigned char>(c))
                                      : c == shape[i];
        if (!fits) return 0;
    }
    std::size_t at = shape.size();
    std::size_t digits = 0;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])))
        ++at, ++digits;
    if (digits < 1 || digits > 3 || (digits > 1 && text[shape.size()] == '0')) return 0;
    if (text.compare(at, 2, ", ") != 0) return 0;
    at += 2;
    for (int i = 0; i < 4; ++i, ++at) {
        if (at >= text.size() || !std::isdigit(static_cast<unsigned char>(text[at]))) return 0;
    }
    return at < text.size() && text[at] == '\n' ? at + 1 : 0;
}

void use_utc() {
    setenv("TZ", "UTC0", 1);
    tzset();
}

} // namespace

TEST(ErrorLogTimestamp, PutsMillisecondsBeforeTheYear) {
    use_utc();
    char text[64];
    ASSERT_EQ(format_log_timestamp(text, sizeof(text), 0, 5), 1);
    EXPECT_STREQ(text, "Thu Jan  1 00:00:00.5, 1970\n");
    ASSERT_EQ(format_log_timestamp(text, sizeof(text), 0, 120), 1);
    EXPECT_STREQ(text, "Thu Jan  1 00:00:00.120, 1970\n");
    // 2001-09-09 01:46:40: a two-digit day of month, no padding.
    ASSERT_EQ(format_log_timestamp(text, sizeof(text), 1000000000, 0), 1);
    EXPECT_STREQ(text, "Sun Sep  9 01:46:40.0, 2001\n");
    ASSERT_EQ(format_log_timestamp(text, sizeof(text), 1700000000, 999), 1);
    EXPECT_STREQ(text, "Tue Nov 14 22:13:20.999, 2023\n");
    // The shape the log's header is checked against accepts exactly such a text.
    EXPECT_EQ(timestamp_length(text), std::strlen(text));
}

TEST(ErrorLogTimestamp, RefusesABufferTooSmall) {
    use_utc();
    char text[16] = "untouched";
    EXPECT_EQ(format_log_timestamp(text, sizeof(text), 0, 5), 0);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(format_log_timestamp(nullptr, 64, 0, 5), 0);
}

TEST(ErrorLog, DropsMessagesWhileClosed) {
    enter_fresh_folder();
    EXPECT_EQ(error_file, nullptr);
    EXPECT_EQ(write_error_log("\nnothing %d", 1), 0);
    EXPECT_EQ(close_error_log(), 0);

    EXPECT_EQ(open_error_log("log.txt", nullptr), 1);
    EXPECT_EQ(write_error_log(nullptr), 0);
    EXPECT_EQ(close_error_log(), 1);
    EXPECT_EQ(write_error_log("\nafter close"), 0);
    EXPECT_EQ(read_whole_file("log.txt").find("after close"), std::string::npos);
}

TEST(ErrorLog, UnwritableFileLeavesTheLogClosed) {
    enter_fresh_folder();
    EXPECT_EQ(open_error_log("no_such_folder/log.txt", nullptr), 0);
    EXPECT_EQ(error_file, nullptr);
    EXPECT_EQ(write_error_log("\nx"), 0);
    EXPECT_EQ(open_error_log(nullptr, nullptr), 0);
    EXPECT_FALSE(file_exists("no_such_folder"));
}

TEST(ErrorLog, WritesHeaderMessagesAndClosingText) {
    enter_fresh_folder();
    ASSERT_EQ(open_error_log("run.log", nullptr), 1);
    EXPECT_EQ(write_error_log("\npixel format = %d", 8), 1);
    // Each message reaches the file at once, before the log is closed.
    std::string before_close = read_whole_file("run.log");
    EXPECT_EQ(close_error_log(), 1);
    EXPECT_EQ(error_file, nullptr);

    std::string text = read_whole_file("run.log");
    EXPECT_EQ(text.substr(0, before_close.size()), before_close);
    const std::string opening = "\nOpening Error Output File (run.log) on ";
    ASSERT_EQ(text.compare(0, opening.size(), opening), 0) << text;
    std::size_t stamp = timestamp_length(text.substr(opening.size()));
    ASSERT_GT(stamp, 0u) << text;
    EXPECT_EQ(text.substr(opening.size() + stamp),
              "\n\npixel format = 8\nClosing Error Output File.");
}

TEST(ErrorLog, ReopeningTruncatesAndStartsANewHeader) {
    enter_fresh_folder();
    ASSERT_EQ(open_error_log("again.log", nullptr), 1);
    write_error_log("\nfirst run");
    close_error_log();
    ASSERT_EQ(open_error_log("again.log", nullptr), 1);
    write_error_log("\nsecond run");
    // Opened again while open: the earlier file of this log is replaced, not kept open.
    ASSERT_EQ(open_error_log("again.log", nullptr), 1);
    write_error_log("\nthird run");
    close_error_log();

    std::string text = read_whole_file("again.log");
    EXPECT_EQ(text.find("first run"), std::string::npos);
    EXPECT_EQ(text.find("second run"), std::string::npos);
    EXPECT_NE(text.find("third run"), std::string::npos);
    EXPECT_EQ(text.find("Opening"), text.rfind("Opening"));
    EXPECT_EQ(text.rfind("\nClosing Error Output File."),
              text.size() - std::string("\nClosing Error Output File.").size());
}

TEST(ErrorLog, AdoptedStandardOutputStaysOpen) {
    enter_fresh_folder();
    ASSERT_NE(std::freopen("stdout.txt", "w", stdout), nullptr);
    ASSERT_EQ(open_error_log("console", stdout), 1);
    EXPECT_EQ(error_file, stdout);
    write_error_log("\nto the console");
    ASSERT_EQ(close_error_log(), 1);
    EXPECT_GE(std::fputs("\nstill open", stdout), 0);
    EXPECT_EQ(std::fflush(stdout), 0);

    std::string text = read_whole_file("stdout.txt");
    EXPECT_EQ(text.find("\nOpening Error Output File (console) on "), 0u) << text;
    EXPECT_NE(text.find("\nto the console\nClosing Error Output File.\nstill open"),
              std::string::npos)
        << text;
    // No file of that name: an adopted stream is written to, nothing is created.
    EXPECT_FALSE(file_exists("console"));
}

TEST(ErrorLog, WritesPercentSignsFromArgumentsUnchanged) {
    enter_fresh_folder();
    ASSERT_EQ(open_error_log("log%d%s.txt", nullptr), 1);
    write_error_log("\n%s", "100%d %n %s");
    close_error_log();
    std::string text = read_whole_file("log%d%s.txt");
    EXPECT_NE(text.find("(log%d%s.txt) on "), std::string::npos) << text;
    EXPECT_NE(text.find("\n100%d %n %s\nClosing"), std::string::npos) << text;
}

TEST(ErrorLog, CutsLongMessagesAt79Characters) {
    enter_fresh_folder();
    ASSERT_EQ(open_error_log("long.log", nullptr), 1);
    std::string long_text(200, 'x');
    EXPECT_EQ(write_error_log("%s", long_text.c_str()), 1);
    close_error_log();
    std::string text = read_whole_file("long.log");
    EXPECT_NE(text.find(std::string(79, 'x') + "\nClosing"), std::string::npos);
    EXPECT_EQ(text.find(std::string(80, 'x')), std::string::npos);

    // The header with a long name is cut the same way, still ending the file cleanly.
    std::string long_name(60, 'n');
    ASSERT_EQ(open_error_log(long_name.c_str(), nullptr), 1);
    close_error_log();
    std::string header = read_whole_file(long_name);
    EXPECT_EQ(header.size(), 79u + std::string("\nClosing Error Output File.").size());
}
