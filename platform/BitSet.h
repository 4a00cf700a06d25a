#pragma once

#include <initializer_list>

// A set of flags of an enum class whose values are single bits; its stored
// value is the sum of its bits, as the settings document them.
template <typename Enum>
class BitSet {
public:
    constexpr BitSet() = default;
    constexpr explicit BitSet(unsigned value) : value_(value) {}
    constexpr BitSet(Enum flag) : value_(unsigned(flag)) {}
    constexpr BitSet(std::initializer_list<Enum> flags)
    {
        for (Enum flag : flags)
            value_ |= unsigned(flag);
    }

    constexpr bool has(Enum flag) const { return value_ & unsigned(flag); }
    constexpr void set(Enum flag, bool on) { value_ = on ? value_ | unsigned(flag) : value_ & ~unsigned(flag); }
    constexpr BitSet with(Enum flag) const { return BitSet(value_ | unsigned(flag)); }
    constexpr BitSet without(Enum flag) const { return BitSet(value_ & ~unsigned(flag)); }
    constexpr unsigned value() const { return value_; }
    constexpr bool operator==(const BitSet&) const = default;

private:
    unsigned value_ = 0;
};
