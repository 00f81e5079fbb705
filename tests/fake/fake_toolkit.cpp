#include "fake/fake_toolkit.h"

#include <sstream>

#include "layout/designs.h"

namespace corvanta::fake {
namespace {

std::string Key(std::string_view app, std::string_view section, std::string_view key) {
  return std::string(app) + "/" + std::string(section) + "/" + std::string(key);
}

template <typename... Args>
std::string Call(const char* name, Args... args) {
  std::ostringstream out;
  out << name << "(";
  const char* sep = "";
  ((out << sep << args, sep = ", "), ...);
  out << ")";
  return out.str();
}

}  // namespace

std::string MemoryStore::GetSetting(std::string_view app, std::string_view section,
                                    std::string_view key, std::string_view default_text) {
  const auto it = entries.find(Key(app, section, key));
  return it == entries.end() ? std::string(default_text) : it->second;
}

bool MemoryStore::SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                              std::string_view value) {
  if (refuse_writes) return false;
  entries[Key(app, section, key)] = value;
  return true;
}

void FakeWindow::SetCaption(std::string_view text) {
  caption = text;
  log_.push_back(Call("Caption", std::string(text)));
}
void FakeWindow::SetMaximized() {
  maximized = true;
  log_.push_back("Maximize()");
}
void FakeWindow::Move(Twips l, Twips t, Twips w, Twips h) {
  left = l, top = t, width = w, height = h;
  log_.push_back(Call("Move", l, t, w, h));
}
void FakeWindow::Show() {
  shown = true;
  log_.push_back("Show()");
}
void FakeWindow::Refresh() {
  ++refreshes;
  log_.push_back("Refresh()");
}
void FakeWindow::Unload() {
  if (lifecycle != nullptr ? !lifecycle->Live() : unloaded) return;
  log_.push_back("Unload()");
  if (lifecycle != nullptr) {
    lifecycle->Unload();
  } else {
    Destroy();
  }
}

bool FakeToolkit::PrevInstance() const {
  const_cast<FakeToolkit*>(this)->calls.push_back("PrevInstance()");
  return another_instance;
}
void FakeToolkit::ClipboardClear() {
  clipboard.reset();
  calls.push_back("ClipboardClear()");
}
std::string FakeToolkit::ClipboardGetText() {
  calls.push_back("ClipboardGetText()");
  return clipboard.value_or("");
}
void FakeToolkit::ClipboardSetText(std::string_view text) {
  clipboard = std::string(text);
  calls.push_back(Call("ClipboardSetText", clipboard.value()));
}

float FakeToolkit::Rnd() {
  ++rnd_draws;
  if (next_scripted_ < scripted_rnd.size()) return scripted_rnd[next_scripted_++];
  return random_.Next();
}

std::int32_t FakeToolkit::SetWindowPos(Hwnd hwnd, Hwnd after, std::int32_t x, std::int32_t y,
                                       std::int32_t cx, std::int32_t cy, std::int32_t flags) {
  calls.push_back(Call("SetWindowPos", hwnd, after, x, y, cx, cy, flags));
  return 1;
}
std::int32_t FakeToolkit::GetWindowLongA(Hwnd hwnd, std::int32_t index) {
  calls.push_back(Call("GetWindowLongA", hwnd, index));
  return hwnd == kOwnHwnd && index == user32::GWL_STYLE ? own_style_ : 0;
}
std::int32_t FakeToolkit::SetWindowLongA(Hwnd hwnd, std::int32_t index, std::int32_t value) {
  calls.push_back(Call("SetWindowLongA", hwnd, index, value));
  if (hwnd == kOwnHwnd && index == user32::GWL_STYLE) own_style_ = value;
  return 0;
}
Hwnd FakeToolkit::SetParent(Hwnd child, Hwnd new_parent) {
  calls.push_back(Call("SetParent", child, new_parent));
  return 0;
}
std::int32_t FakeToolkit::GetClientRect(Hwnd hwnd, Rect32& rect) {
  calls.push_back(Call("GetClientRect", hwnd));
  const auto it = host_windows.find(hwnd);
  if (it == host_windows.end()) return 0;
  rect = it->second;
  return 1;
}
std::int32_t FakeToolkit::ShowCursor(std::int32_t show) {
  cursor_count += show ? 1 : -1;
  calls.push_back(Call("ShowCursor", show));
  return cursor_count;
}

void FakeToolkit::ShowSettingsModal(SettingsFormEvents& events) {
  std::vector<std::string> log;
  FakeWindow form(log, 0x2000);
  dialog_label6.caption = kSettingsDesign.Control("Label6").caption;
  events.Attach({form, dialog_combo, dialog_label6});
  events.Form_Load();
  dialog_shown = true;
  if (dialog_pick) dialog_combo.index = *dialog_pick;
  switch (dialog_action) {
    case DialogAction::kOk: events.btnOK_Click(); break;
    case DialogAction::kCancel: events.btnCancel_Click(); break;
    case DialogAction::kCloseBox: form.Unload(); break;
    case DialogAction::kNone: break;
  }
}

}  // namespace corvanta::fake
