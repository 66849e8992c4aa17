// The start-up benchmark's stopwatch, outside the measured program: starts
// the program, watches the X display for the program's main window and prints
// the microseconds from the start of the process until the window was mapped
// and until the program first drew into it, as a user sees them. Then it
// closes the window as a window manager would (WM_DELETE_WINDOW) and exits
// with the program's exit status.
//
//   startup_watch PROGRAM [ARGUMENTS...]   prints "MAPPED_US DRAWN_US"
//
// The watcher listens to the root window before it starts the program, so no
// window can be mapped unseen, and puts a damage monitor on every top-level
// window as it is created, so the first drawing is never missed either. The
// program's window is the first mapped top-level window whose _NET_WM_PID is
// the started process.

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <unordered_map>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto Window_Limit = std::chrono::seconds(60);
constexpr auto Exit_Limit = std::chrono::seconds(30);

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "startup_watch: %s\n", what);
    std::exit(2);
}

long long MicrosecondsSince(Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
}

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::optional<uint32_t> WindowPid(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t pidAtom)
{
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr));
    if (!reply || xcb_get_property_value_length(reply.get()) != 4)
        return std::nullopt;
    return *static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
}

pid_t Start(char** argv)
{
    const pid_t pid = fork();
    if (pid < 0)
        Fail("cannot start a process");
    if (pid == 0) {
        execvp(argv[0], argv);
        std::fprintf(stderr, "startup_watch: cannot run %s: %s\n", argv[0], std::strerror(errno));
        _exit(127);
    }
    return pid;
}

// The exit status the shell would give, or nullopt while the program runs.
std::optional<int> Exited(pid_t pid, bool wait)
{
    int status = 0;
    const pid_t done = waitpid(pid, &status, wait ? 0 : WNOHANG);
    if (done != pid)
        return std::nullopt;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

class Watch {
public:
    Watch()
    {
        connection_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection_))
            Fail("cannot open the display");
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
        if (!damage || !damage->present)
            Fail("the display has no DAMAGE extension");
        damageEvent_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        Reply<xcb_damage_query_version_reply_t>(xcb_damage_query_version_reply(
            connection_, xcb_damage_query_version(connection_, 1, 1), nullptr));
        pidAtom_ = Atom(connection_, "_NET_WM_PID");
        protocolsAtom_ = Atom(connection_, "WM_PROTOCOLS");
        deleteAtom_ = Atom(connection_, "WM_DELETE_WINDOW");
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        Reply<xcb_generic_error_t> error(xcb_request_check(
            connection_, xcb_change_window_attributes_checked(connection_, root_, XCB_CW_EVENT_MASK, &mask)));
        if (error)
            Fail("cannot watch the root window");
    }

    ~Watch() { xcb_disconnect(connection_); }

    // Waits until the program's window is mapped and drawn into; false when
    // the program ended or the limit passed first.
    bool WaitForWindow(pid_t pid, Clock::time_point start)
    {
        pid_ = pid;
        while (drawnUs_ < 0) {
            if (Clock::now() - start > Window_Limit || Exited(pid, false))
                return false;
            pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
            poll(&fd, 1, 20);
            while (auto* event = xcb_poll_for_event(connection_)) {
                const long long at = MicrosecondsSince(start);
                handle(Reply<xcb_generic_event_t>(event).get(), at);
            }
            if (xcb_connection_has_error(connection_))
                Fail("the display went away");
        }
        return true;
    }

    long long MappedUs() const { return mappedUs_; }
    long long DrawnUs() const { return drawnUs_; }

    void CloseWindow()
    {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window_;
        message.type = protocolsAtom_;
        message.data.data32[0] = deleteAtom_;
        message.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(connection_, 0, window_, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
        xcb_flush(connection_);
    }

private:
    void handle(const xcb_generic_event_t* event, long long at)
    {
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            // Damage is asked for before the window can be mapped, so the
            // first drawing after the map always reports.
            const auto* created = reinterpret_cast<const xcb_create_notify_event_t*>(event);
            const xcb_damage_damage_t damage = xcb_generate_id(connection_);
            xcb_damage_create(connection_, damage, created->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(connection_);
        } else if (type == XCB_MAP_NOTIFY && window_ == XCB_NONE) {
            const auto* mapped = reinterpret_cast<const xcb_map_notify_event_t*>(event);
            if (!mapped->override_redirect && WindowPid(connection_, mapped->window, pidAtom_) == uint32_t(pid_)) {
                window_ = mapped->window;
                mappedUs_ = at;
            }
        } else if (type == damageEvent_ && window_ != XCB_NONE) {
            const auto* damaged = reinterpret_cast<const xcb_damage_notify_event_t*>(event);
            if (damaged->drawable == window_ && drawnUs_ < 0)
                drawnUs_ = at;
        }
    }

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = XCB_NONE;
    uint8_t damageEvent_ = 0;
    xcb_atom_t pidAtom_ = XCB_ATOM_NONE;
    xcb_atom_t protocolsAtom_ = XCB_ATOM_NONE;
    xcb_atom_t deleteAtom_ = XCB_ATOM_NONE;
    pid_t pid_ = 0;
    xcb_window_t window_ = XCB_NONE;
    long long mappedUs_ = -1;
    long long drawnUs_ = -1;
};

int WaitForExit(pid_t pid)
{
    const auto asked = Clock::now();
    while (Clock::now() - asked < Exit_Limit) {
        if (const auto status = Exited(pid, false))
            return *status;
        usleep(2000);
    }
    std::fprintf(stderr, "startup_watch: the program did not close its window; ending it\n");
    kill(pid, SIGKILL);
    Exited(pid, true);
    return 3;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        Fail("usage: startup_watch PROGRAM [ARGUMENTS...]");
    Watch watch;
    const auto start = Clock::now();
    const pid_t pid = Start(argv + 1);
    if (!watch.WaitForWindow(pid, start)) {
        std::fprintf(stderr, "startup_watch: %s showed no window\n", argv[1]);
        kill(pid, SIGKILL);
        Exited(pid, true);
        return 3;
    }
    std::printf("%lld %lld\n", watch.MappedUs(), watch.DrawnUs());
    std::fflush(stdout);
    watch.CloseWindow();
    return WaitForExit(pid);
}
