// The hosts' shared input queue: a fixed ring, so that posting never allocates (the browser
// posts from its event callbacks).
#include "platform/host/event_queue.h"

namespace {

struct EventRing {
    VideoEvent events[HOST_EVENT_CAPACITY] = {};
    int first = 0;
    int count = 0;
};

EventRing Ring;

} // namespace

int host_event_post(const VideoEvent& event) {
    if (Ring.count >= HOST_EVENT_CAPACITY) return 0;
    Ring.events[(Ring.first + Ring.count) % HOST_EVENT_CAPACITY] = event;
    Ring.count++;
    return 1;
}

int host_event_take(VideoEvent* event) {
    if (Ring.count == 0 || !event) return 0;
    *event = Ring.events[Ring.first];
    Ring.first = (Ring.first + 1) % HOST_EVENT_CAPACITY;
    Ring.count--;
    return 1;
}

int host_event_room() {
    return HOST_EVENT_CAPACITY - Ring.count;
}

void host_events_clear() {
    Ring.first = 0;
    Ring.count = 0;
}
