#include "platform/linux/idle/idle_delay.h"

#include <algorithm>
#include <utility>

namespace corvanta::idle {

unsigned DelayBeforeBlank(unsigned gnome_idle_delay) {
  if (gnome_idle_delay == 0) return kDefaultDelaySeconds;
  const unsigned before = std::min(60u, gnome_idle_delay / 2);
  return std::max(1u, gnome_idle_delay - before);
}

GnomeIdleDelay::GnomeIdleDelay(std::function<void(unsigned)> changed)
    : changed_(std::move(changed)) {
  // g_settings_new aborts the process on a schema that is not installed: look it up first.
  GSettingsSchemaSource* source = g_settings_schema_source_get_default();
  GSettingsSchema* schema =
      source ? g_settings_schema_source_lookup(source, "org.gnome.desktop.session", TRUE) : nullptr;
  if (!schema) return;
  if (g_settings_schema_has_key(schema, "idle-delay")) {
    settings_ = g_settings_new_full(schema, nullptr, nullptr);
    g_signal_connect(settings_, "changed::idle-delay", G_CALLBACK(Changed), this);
    // GSettings tells of changes only to a key that has been read.
    Seconds();
  }
  g_settings_schema_unref(schema);
}

GnomeIdleDelay::~GnomeIdleDelay() {
  if (settings_) g_object_unref(settings_);
}

unsigned GnomeIdleDelay::Seconds() const {
  return settings_ ? g_settings_get_uint(settings_, "idle-delay") : 0;
}

void GnomeIdleDelay::Changed(GSettings*, const char*, gpointer self) {
  auto* delay = static_cast<GnomeIdleDelay*>(self);
  delay->changed_(delay->Seconds());
}

}  // namespace corvanta::idle
