#pragma once

#include <QList>
#include <cstdint>
#include <random>

namespace Demo {

// The raw output of std::mt19937 is fixed by the standard while its distributions are
// not, so the ranges are taken from the raw numbers: the same company on every compiler.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : m_engine(seed) {}
    int between(int low, int high) { return low + int(m_engine() % std::uint32_t(high - low + 1)); }
    double real(double low, double high) {
        return low + (high - low) * (m_engine() / 4294967296.0);
    }
    bool chance(int percent) { return between(1, 100) <= percent; }
    template <typename T>
    const T& pick(const QList<T>& list) {
        return list.at(between(0, int(list.size()) - 1));
    }

private:
    std::mt19937 m_engine;
};

}  // namespace Demo
