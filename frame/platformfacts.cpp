#include "frame/platformfacts.h"

namespace frame {

namespace {
const PlatformFacts *&installedFacts() {
    static const PlatformFacts *facts = nullptr;
    return facts;
}
} // namespace

const PlatformFacts &platformFacts() {
    const PlatformFacts *facts = installedFacts();
    return facts ? *facts : nativePlatformFacts();
}

ScopedPlatformFacts::ScopedPlatformFacts(const PlatformFacts *facts)
    : m_previous(std::exchange(installedFacts(), facts)) {}

ScopedPlatformFacts::~ScopedPlatformFacts() {
    installedFacts() = m_previous;
}

OleColor TranslateOleColor(OleColor colour) {
    const auto bits = static_cast<quint32>(colour);
    if ((bits & 0xFF000000u) == 0)
        return colour;
    if ((bits & 0xFF000000u) != 0x80000000u)
        return -1;
    return platformFacts().systemColour(static_cast<int>(bits & 0x00FFFFFFu)).value_or(-1);
}

} // namespace frame
