#include "WorldDigest.h"

#include "base/GLTypes.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

std::string worldDigest(const NewtonWorld* world) {
    if (!world) return "";
    std::uint64_t hash = 14695981039346656037ull;
    for (const NewtonBody* body = NewtonWorldGetFirstBody(world); body; body = NewtonWorldGetNextBody(world, body)) {
        TGLBaseMatrix m{};
        NewtonBodyGetMatrix(body, m.data());
        unsigned char bytes[sizeof(float) * 16];
        std::memcpy(bytes, m.data(), sizeof bytes);
        for (unsigned char byte : bytes) {
            hash ^= byte;
            hash *= 1099511628211ull;
        }
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}
