// An owner of one system resource (a handle, a module, a GDI object) that
// releases it exactly once. Traits say what "none" is, what counts as a
// resource, and how to release it.
#pragma once

#include <utility>

namespace corvane {

template <typename Resource, typename Traits>
class UniqueResource {
public:
    UniqueResource() = default;
    explicit UniqueResource(Resource resource) : resource_(resource) {}
    UniqueResource(UniqueResource&& other) noexcept : resource_(std::exchange(other.resource_, Traits::None())) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.resource_, Traits::None()));
        return *this;
    }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;
    ~UniqueResource() { Reset(); }

    Resource Get() const { return resource_; }
    explicit operator bool() const { return Traits::IsValid(resource_); }
    void Reset(Resource resource = Traits::None()) {
        if (Traits::IsValid(resource_)) Traits::Release(resource_);
        resource_ = resource;
    }

private:
    Resource resource_ = Traits::None();
};

}  // namespace corvane
