#pragma once

#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "framework/core/exceptions.h"

namespace fw {

// Every framework and application class derives from Object, so a checked
// down-cast works on any reference.
class Object {
public:
    virtual ~Object() = default;
};

// A shared, reference-counted reference that may be nil. Using a nil reference
// raises NilObjectException instead of crashing.
template <class T>
class Ref {
public:
    Ref() = default;
    Ref(std::nullptr_t) {}
    Ref(std::shared_ptr<T> p) : m_p(std::move(p)) {}
    template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
    Ref(const Ref<U>& other) : m_p(other.Shared()) {}

    // The checked dereference.
    T& Get() const
    {
        if (!m_p)
            throw NilObjectException();
        return *m_p;
    }
    T* operator->() const { return &Get(); }
    T& operator*() const { return Get(); }

    bool IsNil() const { return !m_p; }
    explicit operator bool() const { return static_cast<bool>(m_p); }
    T* Raw() const { return m_p.get(); }
    const std::shared_ptr<T>& Shared() const { return m_p; }
    long UseCount() const { return m_p.use_count(); }
    void Release() { m_p.reset(); }

    template <class U>
    bool operator==(const Ref<U>& other) const { return m_p.get() == other.Raw(); }
    bool operator==(std::nullptr_t) const { return !m_p; }

private:
    std::shared_ptr<T> m_p;
};

template <class T, class... Args>
Ref<T> New(Args&&... args)
{
    return Ref<T>(std::make_shared<T>(std::forward<Args>(args)...));
}

// The checked down-cast: nil stays nil, an object of another class raises
// IllegalCastException.
template <class T, class U>
Ref<T> Cast(const Ref<U>& r)
{
    if (!r)
        return nullptr;
    auto p = std::dynamic_pointer_cast<T>(r.Shared());
    if (!p)
        throw IllegalCastException();
    return Ref<T>(std::move(p));
}

// A one-dimensional array indexed from 0 to UBound; an index outside raises
// OutOfBoundsException.
template <class T>
class Array {
public:
    explicit Array(int ubound = -1) { Redim(ubound); }

    int UBound() const { return static_cast<int>(m_items.size()) - 1; }
    int Count() const { return static_cast<int>(m_items.size()); }
    // New elements take T's default value (nil, null, 0).
    // Any bound below 0 empties the array.
    void Redim(int ubound) { m_items.resize(ubound < 0 ? 0 : static_cast<std::size_t>(ubound) + 1); }

    T& operator()(int index) { return m_items[Checked(index)]; }
    const T& operator()(int index) const { return m_items[Checked(index)]; }

private:
    std::size_t Checked(int index) const
    {
        if (index < 0 || index > UBound())
            throw OutOfBoundsException("Index " + std::to_string(index) + " lies outside 0 to " +
                                       std::to_string(UBound()) + ".");
        return static_cast<std::size_t>(index);
    }

    std::vector<T> m_items;
};

} // namespace fw
