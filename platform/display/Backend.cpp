#include "platform/display/Backend.h"

#include "platform/display/HeadlessBackend.h"

namespace display {

namespace {

std::unique_ptr<Backend>& Slot() {
    thread_local std::unique_ptr<Backend> backend = std::make_unique<HeadlessBackend>();
    return backend;
}

EventSink*& SinkSlot() {
    thread_local EventSink* sink = nullptr;
    return sink;
}

} // namespace

EventSink* CurrentEventSink() {
    return SinkSlot();
}

void InstallEventSink(EventSink* sink) {
    SinkSlot() = sink;
}

Backend& CurrentBackend() {
    return *Slot();
}

void InstallBackend(std::unique_ptr<Backend> backend) {
    Slot() = backend ? std::move(backend) : std::make_unique<HeadlessBackend>();
}

HeadlessBackend* CurrentHeadless() {
    return dynamic_cast<HeadlessBackend*>(&CurrentBackend());
}

} // namespace display
