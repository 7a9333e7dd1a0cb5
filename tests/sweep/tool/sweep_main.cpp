// The sweep's driver: runs the game once per failure point, each run in a fresh process, and
// checks every run: no crash or hang, no sanitizer report, no DirectDraw or DirectSound object
// alive after tear-down, and either a normal end with code 0 or the start-up message with
// code 2. A failed DirectSound call never ends the game: it plays on, silent where it must
// be, and the failure is in the error log once.
// Each kind is swept until a run makes fewer calls than the number meant to fail.
#include "sweep_child.h"

#include "game/artwork_file.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A run that takes longer than this has hung.
constexpr unsigned RUN_SECONDS_LIMIT = 120;
// Far more failure points than the game has; reaching it means the sweep never ends.
constexpr int MAX_FAILURE_POINTS = 5000;
// Beyond this many faulty runs the rest of a sweep tells nothing new.
constexpr int MAX_FAULTS = 20;
// Fewer points than this would mean the counting no longer sees the game's calls, and
// fewer played frames in the run without a failure that the script no longer plays.
constexpr int MIN_DIRECTDRAW_POINTS = 40;
constexpr int MIN_ALLOCATION_POINTS = 10;
constexpr int MIN_DIRECTSOUND_POINTS = 20;
constexpr int MIN_PLAYED_FRAMES = 15;
constexpr const char* ARTWORK_MESSAGE = "Brambleleap 2005: the artwork file \"";

struct Run {
    bool exited = false;
    int code = -1;
    int signal = 0;
    std::string output;
    std::string errors;
};

std::string read_file(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

Run run_child(const std::string& folder, const char* kind, int number) {
    const std::string out_path = folder + "/out.txt";
    const std::string err_path = folder + "/err.txt";
    const std::string number_text = std::to_string(number);
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        if (!std::freopen(out_path.c_str(), "w", stdout) ||
            !std::freopen(err_path.c_str(), "w", stderr))
            _exit(101);
        alarm(RUN_SECONDS_LIMIT);
        const char* arguments[] = {"sweep_game", "--child", kind, number_text.c_str(), nullptr};
        execv("/proc/self/exe", const_cast<char* const*>(arguments));
        _exit(102);
    }
    Run run;
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) return run;
    run.exited = WIFEXITED(status);
    run.code = run.exited ? WEXITSTATUS(status) : -1;
    run.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    run.output = read_file(out_path);
    run.errors = read_file(err_path);
    return run;
}

struct Tally {
    int points = 0;
    int clean_run_played = 0; // frames played by the last run, which had no failure
    int normal_ends = 0;
    int artwork_ends = 0;
    int faults = 0;
};

// Checks one run; returns the calls it counted, or -1 when it had no report.
int check_run(const Run& run, const char* kind, int number, Tally& tally) {
    int counted = -1;
    int live = -1;
    int played = 0;
    int sound_live = -1;
    int logged = -1;
    const std::size_t at = run.output.rfind("sweep-report");
    if (at != std::string::npos)
        std::sscanf(run.output.c_str() + at, SWEEP_REPORT, &counted, &live, &played, &sound_live,
                    &logged);
    tally.clean_run_played = played;
    const bool sound = std::strcmp(kind, "directsound") == 0;
    // The last run of a sweep has nothing injected; every other one had its failure.
    const bool injected = counted >= number;
    std::string fault;
    if (!run.exited)
        fault = "ended by signal " + std::to_string(run.signal);
    else if (counted < 0)
        fault = "no report (exit code " + std::to_string(run.code) + ")";
    else if (live != 0)
        fault = std::to_string(live) + " DirectDraw objects alive after tear-down";
    else if (sound_live != 0)
        fault = std::to_string(sound_live) + " DirectSound objects alive after tear-down";
    else if (sound && run.code != 0)
        fault = "a sound failure ended the game with code " + std::to_string(run.code);
    else if (sound && played < MIN_PLAYED_FRAMES)
        fault = "a sound failure left " + std::to_string(played) + " frames played";
    else if (sound && logged != (injected ? 1 : 0))
        fault = "the sound failure is in the error log " + std::to_string(logged) + " times";
    else if (run.code == 0 && !run.errors.empty())
        fault = "ended normally but wrote to standard error";
    else if (run.code == ARTWORK_EXIT_CODE && run.errors.find(ARTWORK_MESSAGE) != 0)
        fault = "exit code 2 without the start-up message alone";
    else if (run.code == ARTWORK_EXIT_CODE && run.errors.find('\n') != run.errors.size() - 1)
        fault = "more than the start-up message on standard error";
    else if (run.code != 0 && run.code != ARTWORK_EXIT_CODE)
        fault = "exit code " + std::to_string(run.code);
    if (!fault.empty()) {
        ++tally.faults;
        std::printf("FAULT: %s call %d failing: %s\n%s%s\n", kind, number, fault.c_str(),
                    run.output.c_str(), run.errors.c_str());
    } else if (run.code == 0) {
        ++tally.normal_ends;
    } else {
        ++tally.artwork_ends;
    }
    return counted;
}

Tally sweep(const std::string& folder, const char* kind) {
    Tally tally;
    for (int number = 1; number <= MAX_FAILURE_POINTS; ++number) {
        const Run run = run_child(folder, kind, number);
        const int counted = check_run(run, kind, number, tally);
        // A run that made fewer calls than the number had nothing injected: the sweep is done.
        if (counted >= 0 && counted < number) return tally;
        // Without a report there is no telling whether later points exist, so the sweep
        // goes on, but not for ever.
        ++tally.points;
        if (tally.faults > MAX_FAULTS) {
            std::printf("FAULT: %s sweep stopped after %d faults\n", kind, tally.faults);
            return tally;
        }
    }
    std::printf("FAULT: %s sweep passed %d failure points without ending\n", kind,
                MAX_FAILURE_POINTS);
    ++tally.faults;
    return tally;
}

int sweep_all() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "brambleleap-sweep-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::printf("FAULT: no temporary folder\n");
        return 1;
    }
    const std::string folder = pattern;
    const Tally directdraw = sweep(folder, "directdraw");
    const Tally allocation = sweep(folder, "allocation");
    const Tally directsound = sweep(folder, "directsound");
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);

    int faults = directdraw.faults + allocation.faults + directsound.faults;
    const struct {
        const char* name;
        const Tally& tally;
        int minimum;
    } kinds[] = {{"DirectDraw calls", directdraw, MIN_DIRECTDRAW_POINTS},
                 {"allocations", allocation, MIN_ALLOCATION_POINTS},
                 {"DirectSound calls", directsound, MIN_DIRECTSOUND_POINTS}};
    for (const auto& k : kinds) {
        std::printf("%s: %d failure points and a run without failure (%d frames played); "
                    "%d normal ends, %d start-up messages (code 2), %d faults\n",
                    k.name, k.tally.points, k.tally.clean_run_played, k.tally.normal_ends,
                    k.tally.artwork_ends, k.tally.faults);
        if (k.tally.points < k.minimum) {
            std::printf("FAULT: fewer than %d failure points for %s\n", k.minimum, k.name);
            ++faults;
        }
        if (k.tally.clean_run_played < MIN_PLAYED_FRAMES) {
            std::printf("FAULT: the run without failure played %d frames, not %d or more\n",
                        k.tally.clean_run_played, MIN_PLAYED_FRAMES);
            ++faults;
        }
    }
    std::printf("failure points visited: %d (%d DirectDraw calls, %d allocations, %d DirectSound "
                "calls)\n",
                directdraw.points + allocation.points + directsound.points, directdraw.points,
                allocation.points, directsound.points);
    return faults == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--child") == 0) {
        SweepKind kind = SweepKind::DirectDraw;
        if (std::strcmp(argv[2], "allocation") == 0) kind = SweepKind::Allocation;
        if (std::strcmp(argv[2], "directsound") == 0) kind = SweepKind::DirectSound;
        run_sweep_child(kind, std::atoi(argv[3]));
    }
    return sweep_all();
}
