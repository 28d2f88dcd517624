// How long a program takes from being started to its window being on screen,
// and how much memory it holds once shown: orvandel against a minimal Qt
// Widgets program, repetitions of the two interleaved at random.
//
// Usage (on an X display with a reparenting window manager; scripts/bench
// sets one up): startup_bench [benchmark flags] ORVANDEL MINIMAL_WINDOW

#include <benchmark/benchmark.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char **environ;

namespace {

using clock_type = std::chrono::steady_clock;

struct launch_result {
    double seconds_to_map = 0;
    double resident_bytes = 0;
};

// Windows of a process may vanish while we look at them; that is no error here.
int ignore_x_errors(Display *, XErrorEvent *)
{
    return 0;
}

class screen {
public:
    screen()
        : display(XOpenDisplay(nullptr))
    {
        if (!display)
            return;
        XSetErrorHandler(ignore_x_errors);
        root = DefaultRootWindow(display);
        wm_pid = XInternAtom(display, "_NET_WM_PID", False);
        // Tells of every top-level window being mapped or reparented.
        XSelectInput(display, root, SubstructureNotifyMask);
        XSync(display, False);
    }
    ~screen()
    {
        if (display)
            XCloseDisplay(display);
    }
    screen(const screen &) = delete;
    screen &operator=(const screen &) = delete;

    explicit operator bool() const { return display != nullptr; }

    void forget_old_events() { XSync(display, True); }

    std::optional<pid_t> pid_of(Window window) const
    {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, left = 0;
        unsigned char *data = nullptr;
        std::optional<pid_t> pid;
        if (XGetWindowProperty(display, window, wm_pid, 0, 1, False, XA_CARDINAL, &type, &format,
                               &count, &left, &data) == Success
            && data && format == 32 && count == 1)
            pid = static_cast<pid_t>(*reinterpret_cast<unsigned long *>(data));
        if (data)
            XFree(data);
        return pid;
    }

    // Waits until a top-level window of `pid` is mapped: under a reparenting
    // window manager, when the frame it was put in is mapped.
    bool wait_for_window_of(pid_t pid, clock_type::time_point deadline)
    {
        Window frame = None;
        for (;;) {
            while (XPending(display)) {
                XEvent event;
                XNextEvent(display, &event);
                if (event.type == ReparentNotify && pid_of(event.xreparent.window) == pid)
                    frame = event.xreparent.parent;
                else if (event.type == MapNotify && !event.xmap.override_redirect
                         && (event.xmap.window == frame || pid_of(event.xmap.window) == pid))
                    return true;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - clock_type::now());
            if (left.count() <= 0)
                return false;
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, static_cast<int>(left.count()));
        }
    }

private:
    Display *display;
    Window root = None;
    Atom wm_pid = None;
};

std::optional<long> resident_kib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return std::nullopt;
}

// Once shown, a program still draws its window; its memory counts once it has
// stopped growing for a while, the same rule for both programs.
std::optional<long> settled_resident_kib(pid_t pid)
{
    using namespace std::chrono_literals;
    const auto deadline = clock_type::now() + 3s;
    std::optional<long> last = resident_kib(pid);
    int unchanged = 0;
    while (last && unchanged < 5 && clock_type::now() < deadline) {
        std::this_thread::sleep_for(50ms);
        const auto now = resident_kib(pid);
        unchanged = now == last ? unchanged + 1 : 0;
        last = now;
    }
    return last;
}

pid_t start(const std::string &program)
{
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char *> argv{const_cast<char *>(program.c_str()), nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), &quiet, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&quiet);
    return pid;
}

void stop(pid_t pid)
{
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
}

// One start of the program, measured; an error message when it went wrong.
std::optional<launch_result> launch(screen &x, const std::string &program, std::string &error)
{
    using namespace std::chrono_literals;
    x.forget_old_events();
    const auto started = clock_type::now();
    const pid_t pid = start(program);
    if (pid < 0) {
        error = "cannot start " + program;
        return std::nullopt;
    }
    const bool mapped = x.wait_for_window_of(pid, started + 20s);
    const auto shown = clock_type::now();
    const auto kib = mapped ? settled_resident_kib(pid) : std::nullopt;
    stop(pid);
    if (!mapped) {
        error = program + " showed no window within 20 s";
        return std::nullopt;
    }
    if (!kib) {
        error = program + " ended before its memory could be read";
        return std::nullopt;
    }
    return launch_result{std::chrono::duration<double>(shown - started).count(), static_cast<double>(*kib) * 1024.0};
}

void start_up(benchmark::State &state, screen *x, const std::string &program)
{
    for (auto _ : state) {
        std::string error;
        const auto result = launch(*x, program, error);
        if (!result) {
            state.SkipWithError(error.c_str());
            break;
        }
        state.SetIterationTime(result->seconds_to_map);
        state.counters["rss"] = benchmark::Counter(result->resident_bytes, benchmark::Counter::kDefaults,
                                                   benchmark::Counter::OneK::kIs1024);
    }
}

double smallest(const std::vector<double> &values)
{
    return values.empty() ? 0 : *std::min_element(values.begin(), values.end());
}

double largest(const std::vector<double> &values)
{
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

} // namespace

int main(int argc, char **argv)
{
    // Interleaving the two programs' repetitions spreads any drift of the
    // machine over both alike. Flags given on the command line come later, so win.
    std::vector<char *> args(argv, argv + argc);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    std::string repetitions = "--benchmark_repetitions=30";
    args.insert(args.begin() + 1, {interleave.data(), repetitions.data()});
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (count != 3) {
        std::fprintf(stderr, "usage: %s [benchmark flags] ORVANDEL MINIMAL_WINDOW\n", argv[0]);
        return 2;
    }
    screen x;
    if (!x) {
        std::fprintf(stderr, "startup_bench: cannot open the X display\n");
        return 1;
    }
    const std::vector<std::pair<std::string, std::string>> programs{
        {"startup/orvandel", args[1]},
        {"startup/minimal_window", args[2]},
    };
    // Once each unmeasured, so that neither pays alone for a cold disk cache.
    for (const auto &[name, path] : programs) {
        std::string error;
        if (!launch(x, path, error)) {
            std::fprintf(stderr, "startup_bench: %s\n", error.c_str());
            return 1;
        }
    }
    for (const auto &[name, path] : programs)
        benchmark::RegisterBenchmark(name.c_str(), start_up, &x, path)
            ->UseManualTime()
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond)
            ->ComputeStatistics("min", smallest)
            ->ComputeStatistics("max", largest)
            ->DisplayAggregatesOnly(true);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
