#include "platform/x11_selection_probe.h"

#ifdef VELKARON_HAVE_XCB

#include <xcb/xcb.h>

#include <poll.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace velkaron {
namespace {

struct Disconnect
{
    void operator()(xcb_connection_t *connection) const { xcb_disconnect(connection); }
};

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(xcb_intern_atom_reply(connection, cookie, nullptr),
                                                                         &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

} // namespace

SelectionOwner probeX11SelectionOwner(const char *selection, std::chrono::milliseconds wait)
{
    int screenNumber = 0;
    std::unique_ptr<xcb_connection_t, Disconnect> connection(xcb_connect(nullptr, &screenNumber));
    xcb_connection_t *c = connection.get();
    if (xcb_connection_has_error(c))
        return SelectionOwner::Unknown;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    if (!screens.rem)
        return SelectionOwner::Unknown;

    const xcb_atom_t selectionAtom = atom(c, selection);
    const xcb_atom_t targets = atom(c, "TARGETS");
    const xcb_atom_t property = atom(c, "VELKARON_SELECTION_PROBE");
    if (selectionAtom == XCB_ATOM_NONE || targets == XCB_ATOM_NONE || property == XCB_ATOM_NONE)
        return SelectionOwner::Unknown;

    std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selectionAtom), nullptr), &std::free);
    if (!owner)
        return SelectionOwner::Unknown;
    if (owner->owner == XCB_WINDOW_NONE)
        return SelectionOwner::None;

    const xcb_window_t window = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screens.data->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_convert_selection(c, window, selectionAtom, targets, property, XCB_CURRENT_TIME);
    xcb_flush(c);

    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(c)) {
            const bool answered = (event->response_type & 0x7f) == XCB_SELECTION_NOTIFY
                && reinterpret_cast<xcb_selection_notify_event_t *>(event)->requestor == window;
            std::free(event);
            if (answered)
                return SelectionOwner::Answers;
        }
        if (xcb_connection_has_error(c))
            return SelectionOwner::Unknown;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return SelectionOwner::Silent;
        pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
        poll(&fd, 1, int(left.count()));
    }
}

} // namespace velkaron

#else

namespace velkaron {

SelectionOwner probeX11SelectionOwner(const char *, std::chrono::milliseconds)
{
    return SelectionOwner::Unknown;
}

} // namespace velkaron

#endif
