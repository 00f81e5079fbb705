#pragma once
// The two windows as designed: every control with its place in twips, colours, font, caption,
// tab order and visibility. Every backend builds its windows from these descriptions alone.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "layout/basic_types.h"

namespace corvanta {

// Colours are 0x00BBGGRR; a value with the high bit set names the platform's system colour nn
// in its low byte.
using Colour = std::uint32_t;
inline constexpr Colour kSystemColourFlag = 0x80000000u;

enum class ControlKind { kPictureBox, kLabel, kTimer, kFrame, kButton, kDropDownList, kImage };
enum class Align { kLeft, kRight, kCentre };
enum class PictureId { kNone, kNineBall };

struct FontDesign {
  std::string_view face{};
  float points = 0;
  int weight = 400;
  bool italic = false, underline = false, strikeout = false;
  int charset = 0;
};

struct ControlDesign {
  std::string_view name{};
  ControlKind kind{};
  std::string_view container{};  // empty: the window's client area
  Twips left = 0, top = 0, width = 0, height = 0;
  std::string_view caption{};
  int tab_index = -1;  // -1: takes no place in the tab order
  bool visible = true;
  bool enabled = true;
  std::optional<Colour> back_colour{};  // unset: the toolkit's default
  std::optional<Colour> fore_colour{};
  std::optional<FontDesign> font{};   // unset: the default dialog font
  Align align = Align::kLeft;
  bool word_wrap = false;
  int interval_ms = 0;                // timers: enabled from creation with this interval
  PictureId picture = PictureId::kNone;
  std::span<const std::string_view> entries{};  // drop-down list entries, fixed
};

struct FormDesign {
  std::string_view name{};
  std::string_view caption{};
  Twips client_width = 0, client_height = 0;
  bool centred = false;
  bool in_task_bar = false;
  std::optional<Colour> back_colour{};
  bool has_icon = false;
  std::span<const ControlDesign> controls{};  // in creation order

  const ControlDesign* Find(std::string_view control) const;
  // A control the program's code relies on; a missing one is a programming error and aborts.
  const ControlDesign& Control(std::string_view control) const;
};

extern const FormDesign kMainDesign;
extern const FormDesign kSettingsDesign;

}  // namespace corvanta
