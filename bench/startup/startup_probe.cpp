// Drives a program's start-up on an X display and times it from outside, as a user sees it:
//   exec -> first top-level window mapped (the welcome box),
//   Return pressed on that box -> the next top-level window mapped (the main window),
// then, after an idle pause, the program's VmRSS and Pss, and the program is killed.
//
// startup_probe ROUNDS NAME PROGRAM [NAME PROGRAM ...]
// runs the programs in turn, ROUNDS times each, interleaved, and prints one tab-separated row per
// run: name, round, first_window_ms, box_to_main_ms, the program's processor time up to the same
// two moments (first_window_cpu_ms, box_to_main_cpu_ms), rss_kb, pss_kb, private_kb
// (Private_Clean + Private_Dirty), cpu_ms (user + system time of the whole run).
// bench/startup/run.sh starts the X server and reads the rows; run this directly only with DISPLAY
// set.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// How long the program may take for any one step before the run counts as failed.
constexpr auto stepLimit = std::chrono::seconds(20);
// After the box is mapped and focused: time for it to paint and go idle, so that the key press
// measures only the work the press starts.
constexpr auto settleTime = std::chrono::milliseconds(300);
// After the main window is mapped: time to finish painting and go idle before memory is read.
constexpr auto idleTime = std::chrono::seconds(1);

struct Program {
    std::string name;
    std::string path;
};

struct Run {
    double firstWindowMs = -1;
    double boxToMainMs = -1;
    // Processor time the program's threads had used by the same moments: what the program
    // itself spent, whatever else the machine was doing.
    double firstWindowCpuMs = -1;
    double boxToMainCpuMs = -1;
    long rssKb = -1;
    long pssKb = -1;
    long privateKb = -1;
    // Processor time, user and system, over the whole life of the process: less disturbed by
    // other work on the machine than the wall-clock figures.
    double cpuMs = -1;
};

bool exited(pid_t pid) {
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == pid;
}

// The next MapNotify of a top-level window other than `except`, with the time it was read.
std::optional<std::pair<Window, Clock::time_point>> waitForMap(Display* display, pid_t pid,
                                                               Window except) {
    const Window root = DefaultRootWindow(display);
    const auto deadline = Clock::now() + stepLimit;
    while (Clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            const auto when = Clock::now();
            if (event.type == MapNotify && event.xmap.event == root &&
                !event.xmap.override_redirect && event.xmap.window != except)
                return std::pair{event.xmap.window, when};
        }
        if (exited(pid))
            return std::nullopt;
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, 50);
    }
    return std::nullopt;
}

// Without a window manager the program gives its window the input focus itself, a moment after
// the window is mapped; a key pressed before that would go nowhere.
bool waitForFocus(Display* display, Window window) {
    const auto deadline = Clock::now() + stepLimit;
    while (Clock::now() < deadline) {
        Window focus = None;
        int revert = 0;
        XGetInputFocus(display, &focus, &revert);
        for (Window w = focus; w != None && w != PointerRoot;) {
            if (w == window)
                return true;
            Window root = None, parent = None, *children = nullptr;
            unsigned int count = 0;
            if (!XQueryTree(display, w, &root, &parent, &children, &count))
                break;
            if (children)
                XFree(children);
            if (parent == root)
                break;
            w = parent;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    return false;
}

void drainEvents(Display* display, Clock::duration duration) {
    const auto until = Clock::now() + duration;
    while (Clock::now() < until) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// Processor time used so far by the live threads of a process, from the scheduler's own count.
double threadCpuMs(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    double ns = 0;
    if (DIR* dir = opendir(tasks.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.')
                continue;
            std::ifstream file(tasks + "/" + entry->d_name + "/schedstat");
            double onCpu = 0;
            if (file >> onCpu)
                ns += onCpu;
        }
        closedir(dir);
    }
    return ns / 1e6;
}

// The value in kB of the line "key: value kB" in a /proc file.
long procValue(const std::string& path, const std::string& key) {
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        if (line.rfind(key + ":", 0) == 0) {
            std::istringstream fields(line.substr(key.size() + 1));
            long value = -1;
            fields >> value;
            return value;
        }
    }
    return -1;
}

Run measure(Display* display, const Program& program) {
    Run run;
    XSync(display, True); // forget the maps of earlier runs

    char* argv[] = {const_cast<char*>(program.path.c_str()), nullptr};
    const auto start = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.path.c_str(), nullptr, nullptr, argv, environ) != 0) {
        std::perror("posix_spawn");
        return run;
    }

    const auto box = waitForMap(display, pid, None);
    if (box) {
        run.firstWindowMs = millisecondsBetween(start, box->second);
        run.firstWindowCpuMs = threadCpuMs(pid);
        if (waitForFocus(display, box->first)) {
            drainEvents(display, settleTime);
            const KeyCode returnKey = XKeysymToKeycode(display, XK_Return);
            const double cpuAtPress = threadCpuMs(pid);
            const auto press = Clock::now();
            XTestFakeKeyEvent(display, returnKey, True, CurrentTime);
            XTestFakeKeyEvent(display, returnKey, False, CurrentTime);
            XFlush(display);
            if (const auto main = waitForMap(display, pid, box->first)) {
                run.boxToMainMs = millisecondsBetween(press, main->second);
                run.boxToMainCpuMs = threadCpuMs(pid) - cpuAtPress;
                drainEvents(display, idleTime);
                const std::string proc = "/proc/" + std::to_string(pid);
                run.rssKb = procValue(proc + "/status", "VmRSS");
                run.pssKb = procValue(proc + "/smaps_rollup", "Pss");
                const long clean = procValue(proc + "/smaps_rollup", "Private_Clean");
                const long dirty = procValue(proc + "/smaps_rollup", "Private_Dirty");
                if (clean >= 0 && dirty >= 0)
                    run.privateKb = clean + dirty;
            }
        } else {
            std::fprintf(stderr, "%s: the box never took the focus\n", program.name.c_str());
        }
    }

    kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) == pid && run.pssKb >= 0) {
        const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
        run.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
    }
    return run;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 4 || (argc - 2) % 2 != 0) {
        std::fprintf(stderr, "usage: %s ROUNDS NAME PROGRAM [NAME PROGRAM ...]\n", argv[0]);
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    std::vector<Program> programs;
    for (int i = 2; i + 1 < argc; i += 2)
        programs.push_back({argv[i], argv[i + 1]});

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open display %s\n", XDisplayName(nullptr));
        return 1;
    }
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
        std::fprintf(stderr, "the X server has no XTEST extension\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

    std::printf("program\tround\tfirst_window_ms\tbox_to_main_ms\tfirst_window_cpu_ms\t"
                "box_to_main_cpu_ms\trss_kb\tpss_kb\tprivate_kb\tcpu_ms\n");
    int failures = 0;
    for (int round = 1; round <= rounds; ++round) {
        for (const Program& program : programs) {
            const Run run = measure(display, program);
            if (run.pssKb < 0)
                ++failures;
            std::printf("%s\t%d\t%.3f\t%.3f\t%.3f\t%.3f\t%ld\t%ld\t%ld\t%.1f\n",
                        program.name.c_str(), round, run.firstWindowMs, run.boxToMainMs,
                        run.firstWindowCpuMs, run.boxToMainCpuMs, run.rssKb, run.pssKb,
                        run.privateKb, run.cpuMs);
            std::fflush(stdout);
        }
    }
    XCloseDisplay(display);
    return failures == 0 ? 0 : 1;
}
