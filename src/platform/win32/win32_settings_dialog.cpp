#include "win32_settings_dialog.h"

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "layout/designs.h"
#include "layout/settings_dialog_plan.h"
#include "win32_controls.h"

namespace corvanta::win32 {
namespace {

// Control n has the id kFirstId + n. Never IDOK (1) or IDCANCEL (2): those are what Enter and
// Escape send.
constexpr int kFirstId = 100;

class DialogForm final : public Window {
 public:
  void SetCaption(std::string_view text) override {
    SetWindowTextA(hwnd, std::string(text).c_str());
  }
  Hwnd hWnd() const override { return FromHwnd(hwnd); }
  void SetMaximized() override {}
  void Move(Twips, Twips, Twips, Twips) override {}
  void Show() override {}
  void Refresh() override { RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN); }
  void Unload() override {
    if (unloaded) return;
    unloaded = true;
    EndDialog(hwnd, 0);
  }

  HWND hwnd = nullptr;
  bool unloaded = false;
};

struct Context {
  HINSTANCE instance;
  Metrics m;
  SettingsFormEvents& events;
  DialogForm form;
  std::optional<Win32Combo> combo;
  std::optional<Win32Label> label6;
  HBITMAP nine_ball = nullptr;
  std::vector<SettingsDialogWidgets::Handler> clicks;  // by control id less kFirstId
};

// An empty dialog box with the default dialog font; the controls are added at run time, where
// their places can be given in pixels.
std::vector<DWORD> EmptyTemplate(const FormDesign& design) {
  std::vector<WORD> w;
  auto dword = [&](DWORD v) {
    w.push_back(LOWORD(v));
    w.push_back(HIWORD(v));
  };
  auto text = [&](std::string_view s) {
    for (char ch : s) w.push_back(static_cast<unsigned char>(ch));
    w.push_back(0);
  };
  dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
  dword(0);
  w.push_back(0);                          // no controls in the template
  for (int i = 0; i < 4; ++i) w.push_back(0);  // x, y, cx, cy: set once the controls exist
  w.push_back(0);                          // no menu
  w.push_back(0);                          // the standard dialog class
  text(design.caption);
  w.push_back(8);
  text("MS Shell Dlg");
  std::vector<DWORD> aligned((w.size() + 1) / 2, 0);
  std::memcpy(aligned.data(), w.data(), w.size() * sizeof(WORD));
  return aligned;
}

// Every control is a child of the dialog itself, a group box's contents too: they sit at their
// place in the client area.
HWND CreateControl(Context& ctx, HWND dialog, const ControlDesign& d, Twips left, Twips top,
                   int id) {
  const Metrics& m = ctx.m;
  int x = m.PxX(left), y = m.PxY(top), cx = m.PxX(d.width), cy = m.PxY(d.height);
  const char* cls = "STATIC";
  DWORD style = WS_CHILD | (d.visible ? WS_VISIBLE : 0) | (d.enabled ? 0 : WS_DISABLED);
  switch (d.kind) {
    case ControlKind::kFrame:
      cls = "BUTTON";
      style |= BS_GROUPBOX;
      break;
    case ControlKind::kLabel:
      style |= SS_NOPREFIX | (d.align == Align::kRight    ? SS_RIGHT
                              : d.align == Align::kCentre ? SS_CENTER
                                                          : SS_LEFT);
      break;
    case ControlKind::kDropDownList:
      cls = "COMBOBOX";
      style |= CBS_DROPDOWNLIST | WS_VSCROLL;
      // A drop-down list's height is that of the field plus its open list.
      cy += cy * static_cast<int>(d.entries.size() + 1);
      break;
    case ControlKind::kButton:
      cls = "BUTTON";
      style |= BS_PUSHBUTTON;
      break;
    case ControlKind::kImage:
      style |= SS_BITMAP;
      break;
    default:
      return nullptr;
  }
  if (TakesFocus(d.kind)) style |= WS_TABSTOP;
  HWND h = CreateWindowExA(0, cls, std::string(d.caption).c_str(), style, x, y, cx, cy, dialog,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ctx.instance,
                           nullptr);
  SendMessageA(h, WM_SETFONT, SendMessageA(dialog, WM_GETFONT, 0, 0), FALSE);
  if (d.kind == ControlKind::kDropDownList) {
    for (std::string_view e : d.entries) {
      SendMessageA(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::string(e).c_str()));
    }
  }
  if (d.kind == ControlKind::kImage && d.picture == PictureId::kNineBall) {
    ctx.nine_ball = static_cast<HBITMAP>(
        LoadImageA(ctx.instance, "NINEBALL", IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    SendMessageA(h, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(ctx.nine_ball));
  }
  return h;
}

class Win32DialogWidgets final : public SettingsDialogWidgets {
 public:
  Win32DialogWidgets(HWND dialog, Context& ctx, std::size_t count)
      : dialog_(dialog), ctx_(ctx), made_(count, nullptr) {}

  PixelRect SizeClient(Twips width, Twips height) override {
    RECT r{0, 0, ctx_.m.PxX(width), ctx_.m.PxY(height)};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongA(dialog_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(dialog_, GWL_EXSTYLE)));
    SetWindowPos(dialog_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return {0, 0, r.right - r.left, r.bottom - r.top};
  }
  PixelRect Screen() override { return {0, 0, ctx_.m.screen_w_px, ctx_.m.screen_h_px}; }
  void MoveTo(int x, int y) override {
    SetWindowPos(dialog_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  void Make(std::size_t index, const ControlDesign& design, std::optional<std::size_t>,
            Twips client_left, Twips client_top) override {
    made_[index] = CreateControl(ctx_, dialog_, design, client_left, client_top, Id(index));
  }
  // A dialog box tabs in the order its controls were made.
  void TabAfter(std::size_t, std::size_t) override {}
  void OnClick(std::size_t button, Handler handler) override {
    if (ctx_.clicks.size() <= button) ctx_.clicks.resize(button + 1);
    ctx_.clicks[button] = handler;
  }
  void Focus(std::size_t index) override { SetFocus(made_[index]); }
  SettingsControls Controls(std::size_t combo, std::size_t label6) override {
    ctx_.combo.emplace(made_[combo]);
    ctx_.label6.emplace(made_[label6], ctx_.m);
    return {ctx_.form, *ctx_.combo, *ctx_.label6};
  }
  bool Unloaded() const override { return ctx_.form.unloaded; }

 private:
  static int Id(std::size_t index) { return kFirstId + static_cast<int>(index); }

  HWND dialog_;
  Context& ctx_;
  std::vector<HWND> made_;
};

INT_PTR InitDialog(HWND dialog, Context& ctx) {
  ctx.form.hwnd = dialog;
  Win32DialogWidgets widgets(dialog, ctx, kSettingsDesign.controls.size());
  BuildSettingsDialog(kSettingsDesign, widgets, ctx.events);
  return FALSE;  // the focus is set
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lp);
    return InitDialog(dialog, *reinterpret_cast<Context*>(lp));
  }
  auto* ctx = reinterpret_cast<Context*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (ctx == nullptr) return FALSE;
  switch (msg) {
    case WM_COMMAND:
      if (ctx->form.unloaded) return TRUE;
      if (HIWORD(wp) == BN_CLICKED) {
        const std::size_t control = LOWORD(wp) - static_cast<std::size_t>(kFirstId);
        if (LOWORD(wp) >= kFirstId && control < ctx->clicks.size() && ctx->clicks[control]) {
          (ctx->events.*ctx->clicks[control])();
        }
      }
      // IDOK and IDCANCEL from Enter and Escape end here, unanswered.
      return TRUE;
    case WM_CLOSE:
      ctx->form.Unload();
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

void RunSettingsDialog(HINSTANCE instance, HWND owner, const Metrics& m,
                       SettingsFormEvents& events) {
  Context ctx{instance, m, events, {}, {}, {}, nullptr, {}};
  const std::vector<DWORD> tmpl = EmptyTemplate(kSettingsDesign);
  DialogBoxIndirectParamA(instance, reinterpret_cast<const DLGTEMPLATE*>(tmpl.data()), owner,
                          &DialogProc, reinterpret_cast<LPARAM>(&ctx));
  if (ctx.nine_ball != nullptr) DeleteObject(ctx.nine_ball);
}

}  // namespace corvanta::win32
