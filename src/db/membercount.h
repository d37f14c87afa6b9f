#pragma once

#include <cstddef>

namespace kvx {

namespace detail {

// Converts to any type, so a brace list of N of them initialises any aggregate with at least N members.
struct AnyMember {
    template <class T>
    constexpr operator T() const; // only named in unevaluated checks, never called
};

} // namespace detail

// The number of members of the aggregate T: the longest brace list of AnyMember that initialises it.
// Code that must visit every member of a record states the count it visits, so a member added to the
// record later breaks the build at that code instead of being silently left out.
template <class T, class... Members>
consteval std::size_t memberCount()
{
    if constexpr (requires { T{Members{}..., detail::AnyMember{}}; })
        return memberCount<T, Members..., detail::AnyMember>();
    else
        return sizeof...(Members);
}

} // namespace kvx
