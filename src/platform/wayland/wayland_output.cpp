#include "platform/wayland/wayland_output.h"

#include <wayland-client.h>

#include "platform/wayland/wayland_globals.h"
#include "platform/wayland/wayland_layer_surface.h"
#include "platform/wayland/wayland_race_window.h"
#include "xdg-output-unstable-v1-client-protocol.h"

namespace corvanta::wayland {
namespace {

Output& OutputFrom(void* data) { return *static_cast<Output*>(data); }

void ReportGeometry(void*, wl_output*, int32_t, int32_t, int32_t, int32_t, int32_t, const char*,
                    const char*, int32_t) {}
void ReportMode(void* data, wl_output*, uint32_t flags, int32_t width, int32_t height, int32_t) {
  if (flags & WL_OUTPUT_MODE_CURRENT) OutputFrom(data).description.SetMode(width, height);
}
void EndDescription(void* data, wl_output*) {
  Output& o = OutputFrom(data);
  if (o.description.End(o.xdg != nullptr)) o.globals.MarkOutputsChanged();
}
void ReportScale(void* data, wl_output*, int32_t factor) {
  OutputFrom(data).description.SetScale(factor);
}
void ReportName(void*, wl_output*, const char*) {}
void ReportDescription(void*, wl_output*, const char*) {}

constexpr wl_output_listener kOutputListener = {.geometry = ReportGeometry,
                                                .mode = ReportMode,
                                                .done = EndDescription,
                                                .scale = ReportScale,
                                                .name = ReportName,
                                                .description = ReportDescription};

void ReportLogicalPosition(void* data, zxdg_output_v1*, int32_t x, int32_t y) {
  OutputFrom(data).description.SetLogicalPosition(x, y);
}
void ReportLogicalSize(void* data, zxdg_output_v1*, int32_t width, int32_t height) {
  OutputFrom(data).description.SetLogicalSize(width, height);
}
void EndXdgDescription(void* data, zxdg_output_v1*) {
  Output& o = OutputFrom(data);
  if (o.description.End(true)) o.globals.MarkOutputsChanged();
}
void ReportXdgName(void*, zxdg_output_v1*, const char*) {}
void ReportXdgDescription(void*, zxdg_output_v1*, const char*) {}

constexpr zxdg_output_v1_listener kXdgOutputListener = {.logical_position = ReportLogicalPosition,
                                                        .logical_size = ReportLogicalSize,
                                                        .done = EndXdgDescription,
                                                        .name = ReportXdgName,
                                                        .description = ReportXdgDescription};

}  // namespace

bool OutputDescription::End(bool asked_xdg) {
  const OutputLayout was = layout_;
  const bool was_ready = ready_;
  layout_ = told_;
  if (told_logical_) {
    layout_.width = logical_width_, layout_.height = logical_height_;
  } else {
    layout_.x = layout_.y = 0;
    layout_.width = layout_.mode_width / layout_.scale;
    layout_.height = layout_.mode_height / layout_.scale;
  }
  // A description given before xdg-output told the place is not the whole story yet.
  ready_ = layout_.width > 0 && layout_.height > 0 && (told_logical_ || !asked_xdg);
  return ready_ != was_ready || (ready_ && !(layout_ == was));
}

Output::Output(Globals& g, std::uint32_t registry_name, wl_output* wl)
    : globals(g), name(registry_name), output(wl) {
  wl_output_add_listener(output, &kOutputListener, this);
  AskPlace();
}

Output::~Output() {
  backdrop.reset();
  surfaces.clear();
  if (xdg) zxdg_output_v1_destroy(xdg);
  wl_output_destroy(output);
}

void Output::AskPlace() {
  if (xdg || !globals.XdgOutputs()) return;
  xdg = zxdg_output_manager_v1_get_xdg_output(globals.XdgOutputs(), output);
  zxdg_output_v1_add_listener(xdg, &kXdgOutputListener, this);
}

}  // namespace corvanta::wayland
