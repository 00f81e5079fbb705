// The colours the tests expect of the nine balls, for every test that reads the pictures or a
// screenshot. The picture generator keeps a table of its own on purpose: tests that read the
// generator's would pass a wrong colour there unnoticed.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace ball_colours {

// Body colours of balls 1 to 9 as 0xRRGGBB. The nine's body is the pale grey; its stripe is
// the yellow of ball 1.
inline constexpr std::array<std::uint32_t, 9> kBody{
    0xFFB70C, 0x161681, 0x9A1619, 0x561981, 0xDF3A00, 0x167319, 0x74191D, 0x111116, 0xD3D3D3};
inline constexpr std::uint32_t kNineStripe = 0xFFB70C;

// A colour as the caller's {r, g, b} of ints.
template <typename Rgb>
constexpr Rgb As(std::uint32_t rgb) {
  return Rgb{static_cast<int>(rgb >> 16 & 0xFF), static_cast<int>(rgb >> 8 & 0xFF),
             static_cast<int>(rgb & 0xFF)};
}

template <typename Rgb>
constexpr Rgb Body(int ball) {
  return As<Rgb>(kBody[static_cast<std::size_t>(ball - 1)]);
}

}  // namespace ball_colours
