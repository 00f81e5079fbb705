#pragma once
// The two windows as the toolkit meets them: the controls it builds and hands over before the
// load handler runs, and the handlers it calls. Arguments come by reference and are never
// written.

#include <cstdint>

#include "layout/controls.h"
#include "layout/picture.h"
#include "layout/picture_box.h"

namespace corvanta {

// The show window's controls. Picture1 is never shown: what it holds is the sprite sheet.
struct MainControls {
  Window& form;
  const Picture& Picture1;
  PictureBox& picBox;
  Label& Label1;
  Timer& tmrDown;
  Timer& tmrRight;
};

class MainFormEvents {
 public:
  virtual ~MainFormEvents() = default;
  virtual void Form_Load() = 0;
  virtual void Form_Unload(std::int16_t& Cancel) = 0;
  virtual void Form_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) = 0;
  virtual void Form_MouseDown(std::int16_t& Button, std::int16_t& Shift, float& x, float& y) = 0;
  virtual void Form_MouseMove(std::int16_t& Button, std::int16_t& Shift, float& x, float& y) = 0;
  virtual void tmrRight_Timer() = 0;
  virtual void tmrDown_Timer() = 0;
};

// The dialog's controls the program touches; the rest are fixed by the design.
struct SettingsControls {
  Window& form;
  ComboBox& Combo1;
  Label& Label6;
};

class SettingsFormEvents {
 public:
  virtual ~SettingsFormEvents() = default;
  virtual void Attach(const SettingsControls& controls) = 0;
  virtual void Form_Load() = 0;
  virtual void btnOK_Click() = 0;
  virtual void btnCancel_Click() = 0;
};

}  // namespace corvanta
