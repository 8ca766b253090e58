#pragma once
// The generator's own random numbers, fully specified so that every compiler and
// standard library writes the same climate files: SplitMix64 for the bits and a
// Box-Muller transform of our own for the normal deviates (the standard library's
// distributions differ between implementations).

#include <cmath>
#include <cstdint>

namespace talp::climate_data {

class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Uniform in (0, 1): 53 bits, never 0, so that the logarithm below is finite.
    double uniform() { return (static_cast<double>(next() >> 11) + 0.5) * 0x1.0p-53; }

private:
    std::uint64_t state_;
};

// Standard normal deviates, two per pair of uniforms.
class NormalDeviates {
public:
    explicit NormalDeviates(std::uint64_t seed) : bits_(seed) {}

    double next()
    {
        if (spare_) {
            spare_ = false;
            return second_;
        }
        constexpr double kTwoPi = 6.283185307179586;
        const double radius = std::sqrt(-2.0 * std::log(bits_.uniform()));
        const double angle = kTwoPi * bits_.uniform();
        second_ = radius * std::sin(angle);
        spare_ = true;
        return radius * std::cos(angle);
    }

private:
    SplitMix64 bits_;
    double second_ = 0;
    bool spare_ = false;
};

// Seeds of the generated years: the golden-ratio constant mixed with the region or
// station number, so every file has its own, stable weather.
inline std::uint64_t seedOf(std::uint64_t number) { return 0x9E3779B97F4A7C15ULL ^ number; }

}  // namespace talp::climate_data
