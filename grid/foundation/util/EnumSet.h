#pragma once

#include <QtGlobal>

#include <initializer_list>

// A set over the ordinal values of an enumeration: bit n stands for the value
// with ordinal n, so the bits match the stored form of the grid's sets.
template <typename E>
class EnumSet {
public:
    constexpr EnumSet() = default;
    constexpr EnumSet(std::initializer_list<E> values)
    {
        for (E v : values)
            m_bits |= bit(v);
    }

    static constexpr EnumSet FromBits(quint32 bits)
    {
        EnumSet s;
        s.m_bits = bits;
        return s;
    }

    constexpr quint32 Bits() const { return m_bits; }
    constexpr bool Contains(E v) const { return (m_bits & bit(v)) != 0; }
    constexpr bool IsEmpty() const { return m_bits == 0; }
    constexpr EnumSet& Include(E v)
    {
        m_bits |= bit(v);
        return *this;
    }
    constexpr EnumSet& Exclude(E v)
    {
        m_bits &= ~bit(v);
        return *this;
    }

    friend constexpr bool operator==(EnumSet a, EnumSet b) { return a.m_bits == b.m_bits; }
    friend constexpr EnumSet operator+(EnumSet a, EnumSet b) { return FromBits(a.m_bits | b.m_bits); }
    friend constexpr EnumSet operator-(EnumSet a, EnumSet b) { return FromBits(a.m_bits & ~b.m_bits); }
    friend constexpr EnumSet operator*(EnumSet a, EnumSet b) { return FromBits(a.m_bits & b.m_bits); }

private:
    static constexpr quint32 bit(E v) { return quint32(1) << static_cast<int>(v); }
    quint32 m_bits = 0;
};
