#include "platform/linux/idle/idle_delay.h"

#include <gio/gio.h>

#include <algorithm>

namespace corvanta::idle {

unsigned DelayBeforeBlank(unsigned gnome_idle_delay) {
  if (gnome_idle_delay == 0) return kDefaultDelaySeconds;
  const unsigned before = std::min(60u, gnome_idle_delay / 2);
  return std::max(1u, gnome_idle_delay - before);
}

unsigned GnomeIdleDelaySetting() {
  // g_settings_new aborts the process on a schema that is not installed: look it up first.
  GSettingsSchemaSource* source = g_settings_schema_source_get_default();
  if (!source) return 0;
  GSettingsSchema* schema =
      g_settings_schema_source_lookup(source, "org.gnome.desktop.session", TRUE);
  if (!schema) return 0;
  unsigned seconds = 0;
  if (g_settings_schema_has_key(schema, "idle-delay")) {
    GSettings* settings = g_settings_new_full(schema, nullptr, nullptr);
    seconds = g_settings_get_uint(settings, "idle-delay");
    g_object_unref(settings);
  }
  g_settings_schema_unref(schema);
  return seconds;
}

}  // namespace corvanta::idle
