// Asks a top-level window to close, as a window manager does when its close button is pressed:
// waits for a viewable top-level window with the given title, then sends it WM_DELETE_WINDOW,
// again each second while it stays.
// The test of the real orvik-console uses it (console_start_test.sh).
//
// usage: orvik_close_window TITLE [SECONDS]   (default 30: how long to wait for the window)
// Exit status: 0 the request was sent, 1 no such window appeared in time, 2 usage error or no
// display.
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

namespace {

template <class Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <class Reply>
ReplyPtr<Reply> Take(Reply* reply) {
    return ReplyPtr<Reply>(reply, &std::free);
}

xcb_atom_t Atom(xcb_connection_t* connection, std::string_view name) {
    const auto reply = Take(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()),
        nullptr));
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

std::string TextProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property) {
    const auto reply = Take(xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
        nullptr));
    if (!reply) {
        return {};
    }
    const auto* data = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return std::string(data, static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
}

bool Viewable(xcb_connection_t* connection, xcb_window_t window) {
    const auto reply = Take(xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, window), nullptr));
    return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
}

// The viewable child of the root window whose title (UTF-8 _NET_WM_NAME, else WM_NAME) is title.
std::optional<xcb_window_t> FindWindow(xcb_connection_t* connection, xcb_window_t root,
                                       xcb_atom_t netWmName, const std::string& title) {
    const auto tree =
        Take(xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr));
    if (!tree) {
        return std::nullopt;
    }
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    const int count = xcb_query_tree_children_length(tree.get());
    for (int i = 0; i < count; ++i) {
        const xcb_window_t window = children[i];
        if (!Viewable(connection, window)) {
            continue;
        }
        if (TextProperty(connection, window, netWmName) == title ||
            TextProperty(connection, window, XCB_ATOM_WM_NAME) == title) {
            return window;
        }
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s TITLE [SECONDS]\n", argv[0]);
        return 2;
    }
    const std::string title = argv[1];
    const int seconds = argc == 3 ? std::atoi(argv[2]) : 30;

    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no display\n");
        xcb_disconnect(connection);
        return 2;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i) {
        xcb_screen_next(&screens);
    }
    const xcb_window_t root = screens.data->root;
    const xcb_atom_t protocols = Atom(connection, "WM_PROTOCOLS");
    const xcb_atom_t deleteWindow = Atom(connection, "WM_DELETE_WINDOW");
    const xcb_atom_t netWmName = Atom(connection, "_NET_WM_NAME");

    // The program under test maps its window when it is ready; look for it until the bound.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    std::optional<xcb_window_t> window;
    while (!(window = FindWindow(connection, root, netWmName, title))) {
        if (std::chrono::steady_clock::now() >= deadline) {
            std::fprintf(stderr, "no window \"%s\" appeared within %d s\n", title.c_str(), seconds);
            xcb_disconnect(connection);
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }

    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = *window;
    event.type = protocols;
    event.data.data32[0] = deleteWindow;
    event.data.data32[1] = XCB_CURRENT_TIME;
    // A request that reaches the window in the first instants after it is mapped can be lost
    // by the toolkit; as a user clicks again, it is sent again each second while the window
    // stays, until the deadline.
    for (bool first = true;; first = false) {
        xcb_send_event(connection, 0, *window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&event));
        xcb_flush(connection);
        if (first) {
            std::printf("close requested of window 0x%x \"%s\"\n", *window, title.c_str());
            std::fflush(stdout);
        }
        for (int i = 0; i < 20; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (FindWindow(connection, root, netWmName, title) != window) {
                xcb_disconnect(connection);
                return 0;
            }
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            break;
        }
    }
    xcb_disconnect(connection);
    return 0;
}
