// SPDX-License-Identifier: MIT
// Starts a program and times it on the X display: the milliseconds from exec until each window whose
// caption contains one of the given texts is first mapped; then, once all of them have been seen, the CPU
// the program uses over an idle period, and its peak and current resident memory. Prints one figure a line:
//   mapped <ms> <caption>
//   idle_cpu_percent <percent of one core>
//   peak_rss_kib <kibibytes>
//   rss_kib <kibibytes>, of which rss_anon_kib (the program's own) and rss_file_kib (mapped files: code,
//   fonts)
// Usage: pokuraku_mapwatch [--until TEXT]... [--idle SECONDS] [--timeout SECONDS] -- PROGRAM [ARGS...]
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    std::vector<std::string> until;
    double idleSeconds = 0;
    double timeoutSeconds = 60;
    std::vector<char*> command;
};

Options parse(int argc, char** argv) {
    Options o;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) break;
        if (arg == "--until")
            o.until.push_back(argv[++i]);
        else if (arg == "--idle")
            o.idleSeconds = std::atof(argv[++i]);
        else if (arg == "--timeout")
            o.timeoutSeconds = std::atof(argv[++i]);
    }
    for (++i; i < argc; ++i)
        o.command.push_back(argv[i]);
    o.command.push_back(nullptr);
    if (o.command.size() < 2) {
        std::fprintf(
            stderr, "usage: %s [--until TEXT]... [--idle SECONDS] [--timeout SECONDS] -- PROGRAM [ARGS...]\n",
            argv[0]);
        std::exit(2);
    }
    return o;
}

std::string caption(Display* display, Window window) {
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    for (const Atom property : {netName, static_cast<Atom>(XA_WM_NAME)}) {
        Atom type = 0;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, window, property, 0, 1024, False,
                               property == netName ? utf8 : AnyPropertyType, &type, &format, &items, &after,
                               &data) == Success &&
            data) {
            std::string text(reinterpret_cast<char*>(data), items);
            XFree(data);
            if (!text.empty()) return text;
        }
    }
    return {};
}

// CPU time of all threads of a process, in seconds: the scheduler's nanosecond counts where the kernel
// keeps them, the clock ticks of /proc/<pid>/stat otherwise.
double cpuSeconds(pid_t pid) {
    const std::string base = "/proc/" + std::to_string(pid);
    if (DIR* tasks = opendir((base + "/task").c_str())) {
        double total = 0;
        bool any = false;
        while (const dirent* entry = readdir(tasks)) {
            if (entry->d_name[0] == '.') continue;
            std::ifstream schedstat(base + "/task/" + entry->d_name + "/schedstat");
            unsigned long long ns = 0;
            if (schedstat >> ns) {
                total += double(ns) / 1e9;
                any = true;
            }
        }
        closedir(tasks);
        if (any) return total;
    }
    std::ifstream stat(base + "/stat");
    std::string line;
    std::getline(stat, line);
    std::istringstream rest(line.substr(line.rfind(')') + 2));
    std::string field;
    long ticks = 0;
    for (int i = 3; i <= 15 && rest >> field; ++i)
        if (i == 14 || i == 15) ticks += std::stol(field);
    return double(ticks) / double(sysconf(_SC_CLK_TCK));
}

long statusKib(pid_t pid, const char* key) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string name;
    long value = 0;
    std::string unit;
    while (status >> name) {
        if (name == key) {
            status >> value;
            return value;
        }
        std::getline(status, unit);
    }
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    const Options options = parse(argc, argv);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "mapwatch: cannot open the display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(options.command[0], options.command.data());
        std::perror("mapwatch: exec");
        _exit(127);
    }

    std::set<std::string> seen;
    std::vector<Window> unnamed;
    int status = 0;
    bool ended = false;
    while (seen.size() < options.until.size()) {
        if (Clock::now() - start > std::chrono::duration<double>(options.timeoutSeconds)) {
            std::fprintf(stderr, "mapwatch: timed out\n");
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return 1;
        }
        if (waitpid(child, &status, WNOHANG) == child) {
            ended = true;
            break;
        }
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify) continue;
            const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            const std::string name = caption(display, event.xmap.window);
            for (const std::string& wanted : options.until) {
                if (!seen.count(wanted) && name.find(wanted) != std::string::npos) {
                    seen.insert(wanted);
                    std::printf("mapped %.1f %s\n", ms, name.c_str());
                    std::fflush(stdout);
                }
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    if (ended) {
        std::fprintf(stderr, "mapwatch: the program ended before its windows were mapped\n");
        return 1;
    }
    if (options.idleSeconds > 0) {
        const double before = cpuSeconds(child);
        const Clock::time_point idleStart = Clock::now();
        std::this_thread::sleep_for(std::chrono::duration<double>(options.idleSeconds));
        const double seconds = std::chrono::duration<double>(Clock::now() - idleStart).count();
        std::printf("idle_cpu_percent %.3f\n", 100.0 * (cpuSeconds(child) - before) / seconds);
    }
    std::printf("peak_rss_kib %ld\nrss_kib %ld\nrss_anon_kib %ld\nrss_file_kib %ld\n",
                statusKib(child, "VmHWM:"), statusKib(child, "VmRSS:"), statusKib(child, "RssAnon:"),
                statusKib(child, "RssFile:"));
    kill(child, SIGTERM);
    waitpid(child, &status, 0);
    XCloseDisplay(display);
    return 0;
}
