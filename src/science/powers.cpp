#include "powers.h"

#include "math_result.h"

#include <cmath>

namespace orv {
namespace {

// 1754! is about 1.979E4930, the largest factorial in the Extended range.
constexpr Extended kLargestFactorial = 1754;

bool isWhole(Extended x) { return std::trunc(x) == x; }

} // namespace

std::optional<Extended> Power(Extended base, Extended exponent) {
    if (base == 0) return exponent == 0 ? 1 : 0;
    if (base < 0 && !isWhole(exponent)) return std::nullopt;
    return finiteOrFailure(std::pow(base, exponent));
}

std::optional<Extended> powerOperation(Extended first, Extended second) { return Power(first, second); }

std::optional<Extended> logBaseOperation(Extended first, Extended second) {
    if (!(first > 0) || !(second > 0)) return std::nullopt;
    const Extended base = std::log2(second);
    if (base == 0) return std::nullopt;
    return finiteOrFailure(std::log2(first) / base);
}

std::optional<Extended> square(Extended x) { return finiteOrFailure(x * x); }

std::optional<Extended> cube(Extended x) { return finiteOrFailure(x * x * x); }

std::optional<Extended> cubeRoot(Extended x) { return finiteOrFailure(std::cbrt(x)); }

std::optional<Extended> naturalLogarithm(Extended x) {
    if (!(x > 0)) return std::nullopt;
    return finiteOrFailure(std::log(x));
}

std::optional<Extended> commonLogarithm(Extended x) {
    if (!(x > 0)) return std::nullopt;
    return finiteOrFailure(std::log10(x));
}

std::optional<Extended> exponential(Extended x) { return finiteOrFailure(std::exp(x)); }

std::optional<Extended> factorial(Extended x) {
    const Extended n = std::nearbyint(x); // the default rounding mode takes ties to even
    if (n < 2) return 1;
    if (n > kLargestFactorial) return std::nullopt;
    // The product in increasing order, carrying each step's exact rounding error (from fma) in
    // `error`: a plain running product drifts by up to ten units in the last place.
    Extended product = 1;
    Extended error = 0;
    for (int k = 2; k <= static_cast<int>(n); ++k) {
        const Extended next = product * k;
        error = error * k + std::fma(product, static_cast<Extended>(k), -next);
        product = next;
    }
    return finiteOrFailure(product + error);
}

} // namespace orv
