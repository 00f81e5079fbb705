#include <cstddef>

#include "layout/picture.h"

namespace corvanta::assets {
extern const unsigned char sheet_data[];
extern const std::size_t sheet_data_size;
extern const unsigned char nineball_data[];
extern const std::size_t nineball_data_size;
extern const unsigned char icon_data[];
extern const std::size_t icon_data_size;
}  // namespace corvanta::assets

namespace corvanta {

std::span<const std::uint8_t> SpriteSheetFile() {
  return {assets::sheet_data, assets::sheet_data_size};
}
std::span<const std::uint8_t> NineBallFile() {
  return {assets::nineball_data, assets::nineball_data_size};
}
std::span<const std::uint8_t> IconFile() { return {assets::icon_data, assets::icon_data_size}; }

}  // namespace corvanta
