#include "win32_settings_dialog.h"

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "layout/designs.h"
#include "win32_controls.h"

namespace corvanta::win32 {
namespace {

// Not IDOK (1) or IDCANCEL (2): those are what Enter and Escape send.
constexpr int kOkId = 101;
constexpr int kCancelId = 102;
constexpr int kFirstOtherId = 110;

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

HWND CreateControl(Context& ctx, HWND dialog, const ControlDesign& d, const ControlDesign* frame,
                   int id) {
  const Twips left = d.left + (frame != nullptr ? frame->left : 0);
  const Twips top = d.top + (frame != nullptr ? frame->top : 0);
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
      style |= CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
      // A drop-down list's height is that of the field plus its open list.
      cy += cy * static_cast<int>(d.entries.size() + 1);
      break;
    case ControlKind::kButton:
      cls = "BUTTON";
      style |= BS_PUSHBUTTON | WS_TABSTOP;
      break;
    case ControlKind::kImage:
      style |= SS_BITMAP;
      break;
    default:
      return nullptr;
  }
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

void PlaceCentred(HWND dialog, const FormDesign& design, const Metrics& m) {
  RECT r{0, 0, m.PxX(design.client_width), m.PxY(design.client_height)};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongA(dialog, GWL_EXSTYLE)));
  const int w = r.right - r.left, h = r.bottom - r.top;
  SetWindowPos(dialog, nullptr, (m.screen_w_px - w) / 2, (m.screen_h_px - h) / 2, w, h,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR InitDialog(HWND dialog, Context& ctx) {
  const FormDesign& design = kSettingsDesign;
  ctx.form.hwnd = dialog;
  PlaceCentred(dialog, design, ctx.m);
  const ControlDesign& combo1 = design.Control("Combo1");
  const ControlDesign& label6 = design.Control("Label6");
  const ControlDesign& ok = design.Control("btnOK");
  const ControlDesign& cancel = design.Control("btnCancel");
  HWND combo = nullptr, label = nullptr;
  int next_id = kFirstOtherId;
  for (const ControlDesign& d : design.controls) {
    const ControlDesign* frame = d.container.empty() ? nullptr : &design.Control(d.container);
    const int id = &d == &ok ? kOkId : &d == &cancel ? kCancelId : next_id++;
    HWND h = CreateControl(ctx, dialog, d, frame, id);
    if (&d == &combo1) combo = h;
    if (&d == &label6) label = h;
  }
  ctx.combo.emplace(combo);
  ctx.label6.emplace(label, ctx.m);
  ctx.events.Attach(SettingsControls{ctx.form, *ctx.combo, *ctx.label6});
  ctx.events.Form_Load();
  // The focus starts in the list, the first control in tab order that can take it.
  if (!ctx.form.unloaded) SetFocus(combo);
  return FALSE;
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
      if (HIWORD(wp) == BN_CLICKED && LOWORD(wp) == kOkId) ctx->events.btnOK_Click();
      if (HIWORD(wp) == BN_CLICKED && LOWORD(wp) == kCancelId) ctx->events.btnCancel_Click();
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
  Context ctx{instance, m, events, {}, {}, {}, nullptr};
  const std::vector<DWORD> tmpl = EmptyTemplate(kSettingsDesign);
  DialogBoxIndirectParamA(instance, reinterpret_cast<const DLGTEMPLATE*>(tmpl.data()), owner,
                          &DialogProc, reinterpret_cast<LPARAM>(&ctx));
  if (ctx.nine_ball != nullptr) DeleteObject(ctx.nine_ball);
}

}  // namespace corvanta::win32
