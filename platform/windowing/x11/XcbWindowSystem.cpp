#include "platform/windowing/x11/XcbWindowSystem.h"

#include <xcb/xcb.h>
#include <xcb/xcb_ewmh.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "platform/log/Log.h"

namespace vantix::platform {
namespace {

constexpr std::string_view kCategory = "windowing";
constexpr std::uint32_t kIconicState = 3;  // ICCCM WM_STATE / WM_CHANGE_STATE

// A reply of xcb, freed with free() as xcb wants.
template <typename T>
struct Reply {
    T* data = nullptr;
    explicit Reply(T* reply) : data(reply) {}
    ~Reply() { std::free(data); }
    Reply(const Reply&) = delete;
    Reply& operator=(const Reply&) = delete;
    T* operator->() const { return data; }
    explicit operator bool() const { return data != nullptr; }
};

xcb_window_t toWindow(WindowHandle handle) {
    return static_cast<xcb_window_t>(handle);
}

// WM_NAME in the ISO 8859-1 encoding of type STRING, as UTF-8.
std::string latin1ToUtf8(const char* text, int length) {
    std::string result;
    for (int i = 0; i < length; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == 0) break;
        if (c < 0x80) {
            result += static_cast<char>(c);
        } else {
            result += static_cast<char>(0xC0 | (c >> 6));
            result += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return result;
}

}  // namespace

struct XcbWindowSystem::Impl {
    Options options;
    xcb_connection_t* connection = nullptr;
    xcb_ewmh_connection_t ewmh{};
    int screenNumber = 0;
    xcb_screen_t* screen = nullptr;
    xcb_atom_t wmState = XCB_NONE, wmChangeState = XCB_NONE, wmDeleteWindow = XCB_NONE,
               utf8String = XCB_NONE;

    ~Impl() {
        if (ewmh.connection) xcb_ewmh_connection_wipe(&ewmh);
        if (connection) xcb_disconnect(connection);
    }

    xcb_atom_t intern(const char* name) {
        Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr));
        return reply ? reply->atom : XCB_NONE;
    }

    xcb_window_t root() const { return screen->root; }

    void flush() { xcb_flush(connection); }

    // Errors of requests we sent unchecked arrive as events: drop them.
    void drain() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) std::free(event);
    }

    std::optional<xcb_get_window_attributes_reply_t> attributes(xcb_window_t window) {
        Reply<xcb_get_window_attributes_reply_t> reply(xcb_get_window_attributes_reply(
            connection, xcb_get_window_attributes(connection, window), nullptr));
        if (!reply) return std::nullopt;
        return *reply.data;
    }

    bool mapped(xcb_window_t window) {
        const auto info = attributes(window);
        return info && info->map_state != XCB_MAP_STATE_UNMAPPED;
    }

    bool managerRunning() {
        xcb_window_t check = XCB_NONE;
        if (!xcb_ewmh_get_supporting_wm_check_reply(
                &ewmh, xcb_ewmh_get_supporting_wm_check(&ewmh, root()), &check, nullptr))
            return false;
        // A manager that died leaves the property behind; its check window then is gone.
        xcb_window_t self = XCB_NONE;
        return xcb_ewmh_get_supporting_wm_check_reply(
                   &ewmh, xcb_ewmh_get_supporting_wm_check(&ewmh, check), &self, nullptr) &&
               self == check;
    }

    std::vector<xcb_atom_t> atomList(xcb_window_t window, xcb_atom_t property) {
        Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, property, XCB_ATOM_ATOM, 0, 256),
            nullptr));
        if (!reply || reply->type != XCB_ATOM_ATOM || reply->format != 32) return {};
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.data));
        return {atoms, atoms + xcb_get_property_value_length(reply.data) / 4};
    }

    std::vector<xcb_atom_t> netState(xcb_window_t window) {
        return atomList(window, ewmh._NET_WM_STATE);
    }

    bool hasState(xcb_window_t window, xcb_atom_t state) {
        const auto states = netState(window);
        return std::find(states.begin(), states.end(), state) != states.end();
    }

    // For a window the manager does not handle (unmapped, or no manager) the
    // client sets _NET_WM_STATE itself.
    void setStateDirectly(xcb_window_t window, xcb_atom_t state, bool on) {
        auto states = netState(window);
        std::erase(states, state);
        if (on) states.push_back(state);
        xcb_ewmh_set_wm_state(&ewmh, window, static_cast<std::uint32_t>(states.size()),
                              states.data());
    }

    void changeState(xcb_window_t window, bool on, xcb_atom_t first, xcb_atom_t second = XCB_NONE) {
        if (managerRunning() && mapped(window)) {
            xcb_ewmh_request_change_wm_state(&ewmh, screenNumber, window,
                                             on ? XCB_EWMH_WM_STATE_ADD : XCB_EWMH_WM_STATE_REMOVE,
                                             first, second, XCB_EWMH_CLIENT_SOURCE_TYPE_OTHER);
            return;
        }
        setStateDirectly(window, first, on);
        if (second != XCB_NONE) setStateDirectly(window, second, on);
    }

    void stackAbove(xcb_window_t window) {
        const std::uint32_t mode = XCB_STACK_MODE_ABOVE;
        xcb_configure_window(connection, window, XCB_CONFIG_WINDOW_STACK_MODE, &mode);
    }

    void activate(xcb_window_t window) {
        xcb_ewmh_request_change_active_window(&ewmh, screenNumber, window,
                                              XCB_EWMH_CLIENT_SOURCE_TYPE_OTHER, XCB_CURRENT_TIME,
                                              XCB_NONE);
    }

    xcb_ewmh_get_extents_reply_t frameExtents(xcb_window_t window) {
        xcb_ewmh_get_extents_reply_t extents{};
        if (!xcb_ewmh_get_frame_extents_reply(&ewmh, xcb_ewmh_get_frame_extents(&ewmh, window),
                                              &extents, nullptr))
            extents = {};
        return extents;
    }

    std::optional<std::uint32_t> wmStateValue(xcb_window_t window) {
        Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, wmState, wmState, 0, 2), nullptr));
        if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.data) < 4)
            return std::nullopt;
        return *static_cast<const std::uint32_t*>(xcb_get_property_value(reply.data));
    }

    std::optional<std::string> plainName(xcb_window_t window) {
        Reply<xcb_get_property_reply_t> reply(
            xcb_get_property_reply(connection,
                                   xcb_get_property(connection, 0, window, XCB_ATOM_WM_NAME,
                                                    XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
                                   nullptr));
        if (!reply || reply->format != 8) return std::nullopt;
        const auto* text = static_cast<const char*>(xcb_get_property_value(reply.data));
        const int length = xcb_get_property_value_length(reply.data);
        if (reply->type == utf8String) return std::string(text, static_cast<std::size_t>(length));
        return latin1ToUtf8(text, length);
    }

    std::string titleOf(xcb_window_t window) {
        xcb_ewmh_get_utf8_strings_reply_t name{};
        if (xcb_ewmh_get_wm_name_reply(&ewmh, xcb_ewmh_get_wm_name(&ewmh, window), &name,
                                       nullptr)) {
            std::string title(name.strings, name.strings_len);
            xcb_ewmh_get_utf8_strings_reply_wipe(&name);
            if (!title.empty()) return title;
        }
        return plainName(window).value_or("");
    }
};

std::unique_ptr<XcbWindowSystem> XcbWindowSystem::connect(Options options) {
    auto impl = std::make_unique<Impl>();
    impl->options = std::move(options);
    impl->connection =
        xcb_connect(impl->options.display.empty() ? nullptr : impl->options.display.c_str(),
                    &impl->screenNumber);
    if (xcb_connection_has_error(impl->connection)) {
        vantix::log::debug(kCategory, "no X server to connect to");
        return nullptr;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(impl->connection));
    for (int i = 0; i < impl->screenNumber && screens.rem; ++i) xcb_screen_next(&screens);
    if (!screens.rem) return nullptr;
    impl->screen = screens.data;
    xcb_intern_atom_cookie_t* cookies = xcb_ewmh_init_atoms(impl->connection, &impl->ewmh);
    if (!xcb_ewmh_init_atoms_replies(&impl->ewmh, cookies, nullptr)) {
        impl->ewmh.connection = nullptr;
        vantix::log::warning(kCategory, "the EWMH atoms could not be made");
        return nullptr;
    }
    impl->wmState = impl->intern("WM_STATE");
    impl->wmChangeState = impl->intern("WM_CHANGE_STATE");
    impl->wmDeleteWindow = impl->intern("WM_DELETE_WINDOW");
    impl->utf8String = impl->intern("UTF8_STRING");
    return std::unique_ptr<XcbWindowSystem>(new XcbWindowSystem(std::move(impl)));
}

XcbWindowSystem::XcbWindowSystem(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {
}
XcbWindowSystem::~XcbWindowSystem() = default;

bool XcbWindowSystem::windowManagerRunning() {
    return impl_->managerRunning();
}

std::vector<WindowHandle> XcbWindowSystem::topLevelWindows() {
    Impl& x = *impl_;
    std::vector<WindowHandle> windows;
    const bool manager = x.managerRunning();
    if (manager) {
        xcb_ewmh_get_windows_reply_t clients{};
        if (xcb_ewmh_get_client_list_stacking_reply(
                &x.ewmh, xcb_ewmh_get_client_list_stacking(&x.ewmh, x.screenNumber), &clients,
                nullptr) ||
            xcb_ewmh_get_client_list_reply(
                &x.ewmh, xcb_ewmh_get_client_list(&x.ewmh, x.screenNumber), &clients, nullptr)) {
            for (std::uint32_t i = clients.windows_len; i-- > 0;)  // bottom to top in the property
                windows.push_back(static_cast<WindowHandle>(clients.windows[i]));
            xcb_ewmh_get_windows_reply_wipe(&clients);
        }
    }
    // The root's children, bottom to top. With a manager the mapped ones are its
    // frames (the clients are listed above), so only the unmapped ones are added.
    Reply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(x.connection, xcb_query_tree(x.connection, x.root()), nullptr));
    if (!tree) return windows;
    const xcb_window_t* children = xcb_query_tree_children(tree.data);
    for (int i = xcb_query_tree_children_length(tree.data); i-- > 0;) {
        const xcb_window_t child = children[i];
        const auto info = x.attributes(child);
        if (!info || info->override_redirect || info->_class != XCB_WINDOW_CLASS_INPUT_OUTPUT)
            continue;
        if (manager && info->map_state != XCB_MAP_STATE_UNMAPPED) continue;
        const auto handle = static_cast<WindowHandle>(child);
        if (std::find(windows.begin(), windows.end(), handle) != windows.end()) continue;
        if (x.titleOf(child).empty()) continue;  // frames, helper windows
        windows.push_back(handle);
    }
    return windows;
}

std::optional<std::string> XcbWindowSystem::title(WindowHandle window) {
    if (window == 0 || !impl_->attributes(toWindow(window))) return std::nullopt;
    return impl_->titleOf(toWindow(window));
}

std::optional<ShowState> XcbWindowSystem::showState(WindowHandle handle) {
    Impl& x = *impl_;
    const xcb_window_t window = toWindow(handle);
    const auto info = handle == 0 ? std::nullopt : x.attributes(window);
    if (!info) return std::nullopt;
    const auto states = x.netState(window);
    const auto has = [&](xcb_atom_t atom) {
        return std::find(states.begin(), states.end(), atom) != states.end();
    };
    if (has(x.ewmh._NET_WM_STATE_HIDDEN) || x.wmStateValue(window) == kIconicState)
        return ShowState::Minimised;
    // Without a manager nobody iconifies: an unmapped window is what minimising left.
    if (!x.managerRunning() && info->map_state == XCB_MAP_STATE_UNMAPPED)
        return ShowState::Minimised;
    if (has(x.ewmh._NET_WM_STATE_MAXIMIZED_VERT) && has(x.ewmh._NET_WM_STATE_MAXIMIZED_HORZ))
        return ShowState::Maximised;
    return ShowState::Normal;
}

bool XcbWindowSystem::setShowState(WindowHandle handle, ShowState state) {
    Impl& x = *impl_;
    const xcb_window_t window = toWindow(handle);
    if (handle == 0 || !x.attributes(window)) return false;
    const bool manager = x.managerRunning();
    if (state == ShowState::Minimised) {
        if (manager) {
            // ICCCM: the client asks the manager to iconify it.
            xcb_client_message_event_t message{};
            message.response_type = XCB_CLIENT_MESSAGE;
            message.format = 32;
            message.window = window;
            message.type = x.wmChangeState;
            message.data.data32[0] = kIconicState;
            xcb_send_event(
                x.connection, 0, x.root(),
                XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                reinterpret_cast<const char*>(&message));
        } else {
            xcb_unmap_window(x.connection, window);
        }
    } else {
        const bool maximise = state == ShowState::Maximised;
        x.changeState(window, maximise, x.ewmh._NET_WM_STATE_MAXIMIZED_VERT,
                      x.ewmh._NET_WM_STATE_MAXIMIZED_HORZ);
        xcb_map_window(x.connection, window);
        if (manager) {
            x.activate(window);
        } else {
            if (maximise) {
                const std::uint32_t values[] = {0, 0, x.screen->width_in_pixels,
                                                x.screen->height_in_pixels};
                xcb_configure_window(x.connection, window,
                                     XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y |
                                         XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT,
                                     values);
            }
            x.stackAbove(window);
        }
    }
    x.flush();
    return true;
}

std::optional<WindowRect> XcbWindowSystem::rect(WindowHandle handle) {
    Impl& x = *impl_;
    const xcb_window_t window = toWindow(handle);
    if (handle == 0) return std::nullopt;
    Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(x.connection, xcb_get_geometry(x.connection, window), nullptr));
    if (!geometry) return std::nullopt;
    Reply<xcb_translate_coordinates_reply_t> origin(xcb_translate_coordinates_reply(
        x.connection, xcb_translate_coordinates(x.connection, window, x.root(), 0, 0), nullptr));
    if (!origin) return std::nullopt;
    const auto frame = x.frameExtents(window);
    return WindowRect{origin->dst_x - static_cast<int>(frame.left),
                      origin->dst_y - static_cast<int>(frame.top),
                      geometry->width + static_cast<int>(frame.left + frame.right),
                      geometry->height + static_cast<int>(frame.top + frame.bottom)};
}

bool XcbWindowSystem::move(WindowHandle handle, const WindowRect& target) {
    Impl& x = *impl_;
    const xcb_window_t window = toWindow(handle);
    if (handle == 0 || !x.attributes(window)) return false;
    const auto frame = x.frameExtents(window);
    const int width = std::max(1, target.width - static_cast<int>(frame.left + frame.right));
    const int height = std::max(1, target.height - static_cast<int>(frame.top + frame.bottom));
    if (x.managerRunning() && x.mapped(window)) {
        // North-west gravity: x and y are the frame's outer corner.
        xcb_ewmh_request_moveresize_window(
            &x.ewmh, x.screenNumber, window, XCB_GRAVITY_NORTH_WEST,
            XCB_EWMH_CLIENT_SOURCE_TYPE_OTHER,
            static_cast<xcb_ewmh_moveresize_window_opt_flags_t>(
                XCB_EWMH_MOVERESIZE_WINDOW_X | XCB_EWMH_MOVERESIZE_WINDOW_Y |
                XCB_EWMH_MOVERESIZE_WINDOW_WIDTH | XCB_EWMH_MOVERESIZE_WINDOW_HEIGHT),
            static_cast<std::uint32_t>(target.left), static_cast<std::uint32_t>(target.top),
            static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height));
    } else {
        const std::uint32_t values[] = {
            static_cast<std::uint32_t>(target.left), static_cast<std::uint32_t>(target.top),
            static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height)};
        xcb_configure_window(x.connection, window,
                             XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH |
                                 XCB_CONFIG_WINDOW_HEIGHT,
                             values);
    }
    x.flush();
    return true;
}

bool XcbWindowSystem::postClose(WindowHandle handle) {
    Impl& x = *impl_;
    const xcb_window_t window = toWindow(handle);
    if (handle == 0 || !x.attributes(window)) return false;
    const auto protocols = x.atomList(window, x.ewmh.WM_PROTOCOLS);
    if (std::find(protocols.begin(), protocols.end(), x.wmDeleteWindow) != protocols.end()) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = x.ewmh.WM_PROTOCOLS;
        message.data.data32[0] = x.wmDeleteWindow;
        message.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(x.connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&message));
    } else if (x.managerRunning()) {
        xcb_ewmh_request_close_window(&x.ewmh, x.screenNumber, window, XCB_CURRENT_TIME,
                                      XCB_EWMH_CLIENT_SOURCE_TYPE_OTHER);
    } else {
        vantix::log::debug(kCategory, "a window without WM_DELETE_WINDOW cannot be asked to close");
        return false;
    }
    x.flush();
    return true;
}

bool XcbWindowSystem::setTopmost(WindowHandle handle, bool topmost) {
    Impl& x = *impl_;
    const xcb_window_t window = toWindow(handle);
    if (handle == 0 || !x.attributes(window)) return false;
    x.changeState(window, topmost, x.ewmh._NET_WM_STATE_ABOVE);
    if (topmost) x.stackAbove(window);
    x.flush();
    return true;
}

bool XcbWindowSystem::raise(WindowHandle handle) {
    Impl& x = *impl_;
    const xcb_window_t window = toWindow(handle);
    if (handle == 0 || !x.attributes(window)) return false;
    if (x.managerRunning() && x.mapped(window)) {
        xcb_ewmh_request_restack_window(&x.ewmh, x.screenNumber, window, XCB_NONE,
                                        XCB_STACK_MODE_ABOVE);
    } else {
        x.stackAbove(window);
    }
    x.flush();
    return true;
}

WindowRect XcbWindowSystem::screen() {
    return {0, 0, impl_->screen->width_in_pixels, impl_->screen->height_in_pixels};
}

int XcbWindowSystem::logicalDpi() {
    if (impl_->options.logicalDpi) return impl_->options.logicalDpi();
    const auto* s = impl_->screen;
    if (s->width_in_millimeters == 0) return 96;
    return static_cast<int>(std::lround(s->width_in_pixels * 25.4 / s->width_in_millimeters));
}

void XcbWindowSystem::processEvents() {
    impl_->drain();
    if (impl_->options.processEvents) impl_->options.processEvents();
}

}  // namespace vantix::platform
