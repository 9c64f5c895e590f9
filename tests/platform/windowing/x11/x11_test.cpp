#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstring>
#include <thread>

#include "XvfbServer.h"
#include "lindrel32/QVFKT.h"
#include "platform/windowing/x11/XcbWindowSystem.h"

using namespace vantix::platform;
using namespace std::chrono_literals;

namespace {

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    auto* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : XCB_NONE;
    std::free(reply);
    return result;
}

// A top-level window with a title, as any X client (a Wine program too) makes one.
xcb_window_t makeWindow(xcb_connection_t* c, const std::string& title, bool politeClose, int x,
                        int y) {
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t window = xcb_generate_id(c);
    const std::uint32_t events = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, static_cast<std::int16_t>(x),
                      static_cast<std::int16_t>(y), 200, 100, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      screen->root_visual, XCB_CW_EVENT_MASK, &events);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        static_cast<std::uint32_t>(title.size()), title.data());
    if (politeClose) {
        const xcb_atom_t remove = atom(c, "WM_DELETE_WINDOW");
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, atom(c, "WM_PROTOCOLS"),
                            XCB_ATOM_ATOM, 32, 1, &remove);
    }
    xcb_map_window(c, window);
    xcb_flush(c);
    return window;
}

// Another process with one window; it ends (status 0) when asked to close it.
pid_t startClient(const std::string& display, const std::string& title, bool politeClose) {
    const pid_t pid = ::fork();
    if (pid != 0) return pid;
    xcb_connection_t* c = xcb_connect(display.c_str(), nullptr);
    if (xcb_connection_has_error(c)) ::_exit(2);
    const xcb_atom_t remove = atom(c, "WM_DELETE_WINDOW");
    makeWindow(c, title, politeClose, 10, 10);
    while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
        if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE &&
            reinterpret_cast<xcb_client_message_event_t*>(event)->data.data32[0] == remove)
            ::_exit(0);
        std::free(event);
    }
    ::_exit(3);
}

template <typename Condition>
bool eventually(Condition condition) {
    for (int i = 0; i < 300; ++i) {
        if (condition()) return true;
        std::this_thread::sleep_for(10ms);
    }
    return false;
}

class X11Test : public ::testing::Test {
protected:
    void SetUp() override {
        if (server.display.empty())
            GTEST_SKIP() << "no X server for the X11 window helpers: " << server.why;
        x11 = XcbWindowSystem::connect({server.display, {}, {}});
        ASSERT_TRUE(x11);
        installWindowSystem(x11);
    }
    void TearDown() override {
        installWindowSystem(nullptr);
        for (const pid_t pid : children) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    }
    pid_t start(const std::string& title, bool politeClose = true) {
        children.push_back(startClient(server.display, title, politeClose));
        return children.back();
    }
    std::int32_t find(std::string title) {
        lindrel32::QVFKT functions;
        std::int32_t start = 0;
        std::int32_t found = 0;
        eventually([&] {
            std::string name = title;
            found = functions.GET_TaskHandle(start, name);
            return found != 0;
        });
        return found;
    }

    static inline XvfbServer server;  // one server for the whole program
    std::shared_ptr<XcbWindowSystem> x11;
    std::vector<pid_t> children;
};

TEST_F(X11Test, AWindowOfAnotherProcessIsFoundByTitleMovedRaisedAndClosedPolitely) {
    EXPECT_FALSE(x11->windowManagerRunning());
    const pid_t client = start("Wine Notepad - Untitled");
    lindrel32::QVFKT functions;
    const std::int32_t window = find("notepad - UNTITLED ");
    ASSERT_NE(window, 0);
    std::int32_t none = 0;
    std::string name = "notepad";
    EXPECT_EQ(functions.GET_TaskHandle(none, name), window);
    EXPECT_EQ(name, "Wine Notepad - Untitled");  // the full title comes back

    // Moved: GET_WindowPos reads back the place in twips.
    ASSERT_TRUE(x11->move(window, {120, 80, 300, 150}));
    EXPECT_TRUE(eventually([&] { return x11->rect(window) == WindowRect{120, 80, 300, 150}; }));
    std::int32_t left = 0, top = 0, width = 0, height = 0;
    const int twips = 1440 / x11->logicalDpi();
    EXPECT_TRUE(functions.GET_WindowPos(window, left, top, width, height));
    EXPECT_EQ(left, 120 * twips);
    EXPECT_EQ(height, 150 * twips);

    // Raised above a window of ours that covered it.
    xcb_connection_t* own = xcb_connect(server.display.c_str(), nullptr);
    const xcb_window_t cover = makeWindow(own, "Cover", false, 0, 0);
    ASSERT_TRUE(eventually(
        [&] { return x11->topLevelWindows().front() == static_cast<WindowHandle>(cover); }));
    functions.SET_FormTop(window, false);
    EXPECT_TRUE(eventually([&] { return x11->topLevelWindows().front() == window; }));

    // A window that does not take WM_DELETE_WINDOW is never killed.
    functions.APP_Terminate(static_cast<std::int32_t>(cover));
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(x11->title(static_cast<WindowHandle>(cover)), "Cover");
    xcb_disconnect(own);

    // Asked to close, the other process ends by itself.
    functions.APP_Terminate(window);
    int status = -1;
    EXPECT_TRUE(eventually([&] { return ::waitpid(client, &status, WNOHANG) == client; }));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    std::string gone = "Wine Notepad";
    EXPECT_TRUE(eventually([&] { return functions.GET_TaskHandle(none, gone) == 0; }));
}

TEST_F(X11Test, ShowStatesAndTheHiddenWindowsOfAProgram) {
    start("QV DDE Form     ");
    const std::int32_t window = find("QV DDE FORM");
    ASSERT_NE(window, 0);
    EXPECT_EQ(x11->showState(window), ShowState::Normal);
    lindrel32::QVFKT functions;
    functions.SET_ViewWindow(window, 2);
    EXPECT_TRUE(eventually([&] { return x11->showState(window) == ShowState::Minimised; }));
    // Unmapped, the window is still found (Windows lists hidden windows too).
    EXPECT_EQ(find("QV DDE Form"), window);
    functions.SET_ViewWindow(window, 3);
    EXPECT_TRUE(eventually([&] { return x11->showState(window) == ShowState::Maximised; }));
    EXPECT_TRUE(eventually([&] { return x11->rect(window) == x11->screen(); }));
    std::int32_t left = 0, top = 0, width = 0, height = 0;
    EXPECT_FALSE(
        functions.GET_WindowPos(window, left, top, width, height));  // maximised: at the corner
    functions.SET_ViewWindow(window);
    EXPECT_TRUE(eventually([&] { return x11->showState(window) == ShowState::Normal; }));
    functions.SET_FormTop(window, true);
    EXPECT_TRUE(eventually([&] { return x11->topLevelWindows().front() == window; }));

    EXPECT_FALSE(x11->title(0x7ffffff));  // no such window
    EXPECT_FALSE(x11->move(0x7ffffff, {1, 2, 3, 4}));
    EXPECT_FALSE(x11->postClose(0x7ffffff));
    EXPECT_EQ(x11->screen(), (WindowRect{0, 0, 1024, 768}));
}

}  // namespace
