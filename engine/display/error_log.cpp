// The diagnostic log: one stream, written with printf-style messages and flushed at once.
#include "engine/display/error_log.h"

#include <chrono>
#include <cstdarg>
#include <cstring>

std::FILE* error_file = nullptr;

namespace {

// Whether error_file was opened here (and is ours to close when another log replaces it),
// as opposed to a stream the caller lent us.
bool error_file_opened_here = false;

bool is_standard_stream(std::FILE* stream) {
    return stream == stdout || stream == stderr;
}

} // namespace

std::int32_t format_log_timestamp(char* text, std::size_t size, std::time_t seconds,
                                  std::int32_t milliseconds) {
    if (text == nullptr || size == 0) return 0;
    text[0] = '\0';
    const char* clock_text = std::ctime(&seconds);
    // ctime is 24 characters plus a line break; anything shorter (a year past 9999 is longer,
    // an unrepresentable time gives null) cannot be cut at the usual places.
    if (clock_text == nullptr || std::strlen(clock_text) < 21) return 0;
    auto shown_ms =
        static_cast<unsigned short>(milliseconds < 0 || milliseconds > 999 ? 0 : milliseconds);
    int written = std::snprintf(text, size, "%.19s.%hu, %s", clock_text, shown_ms, clock_text + 20);
    if (written < 0 || static_cast<std::size_t>(written) >= size) {
        text[0] = '\0';
        return 0;
    }
    return 1;
}

std::int32_t open_error_log(const char* name, std::FILE* stream) {
    if (stream == nullptr && name == nullptr) return 0;
    // A file that this log opened itself would otherwise stay open, unreachable, once it is
    // replaced; a lent stream stays the lender's.
    if (error_file != nullptr && error_file_opened_here && error_file != stream) {
        std::fclose(error_file);
    }
    error_file = nullptr;
    error_file_opened_here = false;

    if (stream != nullptr) {
        error_file = stream;
    } else {
        error_file = std::fopen(name, "w");
        if (error_file == nullptr) return 0;
        error_file_opened_here = true;
    }

    // The standard clock rather than timespec_get, which not every C runtime has.
    const auto now = std::chrono::duration_cast<std::chrono::milliseconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    char timestring[64];
    format_log_timestamp(timestring, sizeof(timestring), static_cast<std::time_t>(now / 1000),
                         static_cast<std::int32_t>(now % 1000));
    write_error_log("\nOpening Error Output File (%s) on %s\n", name != nullptr ? name : "",
                    timestring);

    if (stream == nullptr) {
        // Later messages go to the end of the file, after the header just written.
        std::fclose(error_file);
        error_file = std::fopen(name, "a+");
        if (error_file == nullptr) {
            error_file_opened_here = false;
            return 0;
        }
    }
    return 1;
}

std::int32_t write_error_log(const char* format, ...) {
    if (format == nullptr || error_file == nullptr) return 0;
    // One message holds at most 79 characters; vsnprintf cuts longer ones there.
    char buffer[80];
    std::va_list arguments;
    va_start(arguments, format);
    int length = std::vsnprintf(buffer, sizeof(buffer), format, arguments);
    va_end(arguments);
    if (length < 0) return 0;
    std::size_t count = static_cast<std::size_t>(length) < sizeof(buffer)
                            ? static_cast<std::size_t>(length)
                            : sizeof(buffer) - 1;
    // Written as data, never as a format: a '%' that an argument brought in stays as it is.
    std::fwrite(buffer, 1, count, error_file);
    std::fflush(error_file);
    return 1;
}

std::int32_t close_error_log() {
    if (error_file == nullptr) return 0;
    write_error_log("\nClosing Error Output File.");
    if (!is_standard_stream(error_file)) std::fclose(error_file);
    error_file = nullptr;
    error_file_opened_here = false;
    return 1;
}
