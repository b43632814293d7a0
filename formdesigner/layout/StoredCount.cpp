#include "formdesigner/layout/StoredCount.h"

#include "platform/ole/error/Error.h"

#include <algorithm>

namespace layoutdesk {

namespace {

size_t g_limit = StoredCount::kLimit;

} // namespace

int16_t StoredCount::Of(size_t count) {
    if (count > g_limit)
        ole::RaiseError(ole::ERR_OVERFLOW);
    return static_cast<int16_t>(count);
}

StoredCount::TestLimit::TestLimit(size_t limit) : m_previous(g_limit) {
    g_limit = std::min(limit, kLimit);
}

StoredCount::TestLimit::~TestLimit() {
    g_limit = m_previous;
}

} // namespace layoutdesk
