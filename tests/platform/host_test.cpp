// The target in use: chosen on Linux by BRAMBLELEAP_HOST or by a test, and a target that
// leaves entries null still runs the platform above it, on the defaults those entries stand
// for.
#include "platform/dsound.h"
#include "platform/host/headless/headless.h"
#include "platform/host/host.h"
#include "platform/host/sdl/sdl_host.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

TEST(Host, TheBuildChoosesByTheVariableAndATestOverrulesIt) {
    // Names are exact; a wrong one is said aloud and the game still shows.
    const char* values[] = {nullptr, "", "sdl", "headless", "HEADLESS", "nonsense"};
    for (const char* value : values) {
        value ? setenv("BRAMBLELEAP_HOST", value, 1) : unsetenv("BRAMBLELEAP_HOST");
        host_use(nullptr);
        testing::internal::CaptureStderr();
        const bool headless = value && std::string(value) == "headless";
        EXPECT_EQ(host(), headless ? headless_host() : sdl_host()) << (value ? value : "unset");
        const bool told = !testing::internal::GetCapturedStderr().empty();
        EXPECT_EQ(told, value && *value && !headless && std::string(value) != "sdl");
    }
    host_use(headless_host());
    EXPECT_EQ(host(), headless_host()) << "a test's choice stands over the variable";
    unsetenv("BRAMBLELEAP_HOST");
    host_use(nullptr);
}

namespace {

const Host* table_sdl() {
    return sdl_host();
}
const Host* table_headless() {
    return headless_host();
}

} // namespace

// The table matches names exactly, falls back to its first entry out loud, and a target
// missing a required entry is refused with a message naming the entry.
TEST(Host, TheTableMatchesByNameAndRequiredEntriesAreChecked) {
    const HostEntry table[] = {table_sdl, table_headless};
    testing::internal::CaptureStderr();
    EXPECT_EQ(host_named(table, 2, "headless"), headless_host());
    EXPECT_EQ(host_named(table, 2, nullptr), sdl_host());
    EXPECT_TRUE(testing::internal::GetCapturedStderr().empty());
    testing::internal::CaptureStderr();
    EXPECT_EQ(host_named(table, 2, "kms"), sdl_host());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("(sdl, headless): using sdl"),
              std::string::npos);
    EXPECT_EQ(host_named(table, 0, "sdl"), nullptr);

    EXPECT_EQ(host_missing_entry(headless_host()), nullptr);
    EXPECT_EQ(host_missing_entry(sdl_host()), nullptr);
    Host broken = *headless_host();
    broken.present = nullptr;
    EXPECT_STREQ(host_missing_entry(&broken), "present");
    broken.name = "";
    EXPECT_STREQ(host_missing_entry(&broken), "name");
    host_use(headless_host());
    testing::internal::CaptureStderr();
    EXPECT_EQ(host_use(&broken), 0);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("no name entry"), std::string::npos);
    EXPECT_EQ(host(), headless_host()) << "the last choice stands";
}

namespace {

// A target that only presents and keeps time: the system's own window, cursor and messages,
// and no sound of ours.
std::uint32_t Clock = 0;
int bare_set_mode(int, int, int, int) {
    return 1;
}
void bare_present(const VideoPicture*) {}
std::uint32_t bare_ticks() {
    return Clock += 5;
}

} // namespace

TEST(Host, EntriesLeftNullMeanTheirDefaults) {
    platform_reset();
    Host bare = {};
    bare.name = "bare";
    bare.set_mode = bare_set_mode;
    bare.present = bare_present;
    bare.ticks = bare_ticks;
    host_use(&bare);
    HWND window = open_test_window();
    ASSERT_NE(window, nullptr) << "nothing to open is a window that opened";
    ShowCursor(FALSE);
    ShowCursor(TRUE);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) << "no events of its own";
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_CLOSE));
    EXPECT_EQ(GetTickCount() % 5, 0u) << "the target's clock";
    LPDIRECTSOUND8 sound = nullptr;
    testing::internal::CaptureStderr();
    EXPECT_EQ(DirectSoundCreate8(nullptr, &sound, nullptr), DSERR_NODRIVER);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("no audio output"), std::string::npos);
    EXPECT_EQ(sound, nullptr);
    DestroyWindow(window);
    platform_reset();
}
