#include "platform/qt/qt_main_form.h"

#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

#include "layout/twips.h"
#include "platform/qt/qt_input_state.h"
#include "platform/qt/qt_toolkit.h"
#include "platform/qt/qt_x11.h"

namespace corvanta::qt {
namespace {

// Screen savers take the input: no window manager hands the focus to a window it does not
// manage. Retried for a while, since another client may hold a grab for a moment.
constexpr int kGrabRetryMs = 50;
constexpr int kGrabTries = 100;

class MainWidget : public QWidget {
 public:
  MainWidget(QtMainForm& form, const Scale& scale)
      : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), form_(form), scale_(scale) {
    setMouseTracking(true);
  }

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    std::int16_t code = static_cast<std::int16_t>(e->key() & 0x7FFF);
    std::int16_t shift = ShiftState(e->modifiers());
    form_.Deliver([&](MainFormEvents& ev) { ev.Form_KeyDown(code, shift); });
  }
  void mousePressEvent(QMouseEvent* e) override {
    std::int16_t button = ButtonState(e->button());
    std::int16_t shift = ShiftState(e->modifiers());
    float x = Twips(e->position().x(), scale_.x), y = Twips(e->position().y(), scale_.y);
    form_.Deliver([&](MainFormEvents& ev) { ev.Form_MouseDown(button, shift, x, y); });
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    std::int16_t button = ButtonState(e->buttons());
    std::int16_t shift = ShiftState(e->modifiers());
    float x = Twips(e->position().x(), scale_.x), y = Twips(e->position().y(), scale_.y);
    form_.Deliver([&](MainFormEvents& ev) { ev.Form_MouseMove(button, shift, x, y); });
  }
  // A close from outside (a window manager's close) unloads the window like any other close.
  void closeEvent(QCloseEvent* e) override {
    e->ignore();
    form_.Unload();
  }

 private:
  static float Twips(double px, float tpp) { return PixelsToTwips(px, tpp); }

  QtMainForm& form_;
  Scale scale_;
};

}  // namespace

QtMainForm::QtMainForm(QtToolkit& kit, const Picture& sheet)
    : kit_(kit),
      sheet_(sheet),
      tmrDown_(kMainDesign.Control("tmrDown").interval_ms,
               [this] { Deliver([](MainFormEvents& ev) { ev.tmrDown_Timer(); }); }),
      tmrRight_(kMainDesign.Control("tmrRight").interval_ms,
                [this] { Deliver([](MainFormEvents& ev) { ev.tmrRight_Timer(); }); }),
      lifecycle_(kit.Windows(), *this) {
  const Scale& scale = kit.Scaling();
  widget_ = std::make_unique<MainWidget>(*this, scale);
  widget_->setObjectName("frmMain");
  widget_->resize(scale.PxX(kMainDesign.client_width), scale.PxY(kMainDesign.client_height));
  QPalette palette = widget_->palette();
  palette.setColor(QPalette::Window, ToQColor(*kMainDesign.back_colour, Qt::black));
  widget_->setPalette(palette);
  widget_->setAutoFillBackground(true);
  QImage icon;
  const auto ico = IconFile();
  if (kMainDesign.has_icon && icon.loadFromData(ico.data(), static_cast<int>(ico.size()), "ICO")) {
    widget_->setWindowIcon(QIcon(QPixmap::fromImage(icon)));
  }

  const ControlDesign& box = kMainDesign.Control("picBox");
  picBox_ = std::make_unique<QtPictureBox>(scale.x, scale.y, box.width, box.height, widget_.get());
  QWidget* view = picBox_->View();
  view->setObjectName("picBox");
  view->move(scale.PxX(box.left), scale.PxY(box.top));
  // Disabled, and transparent for the mouse, so input over it reaches the window itself.
  view->setEnabled(box.enabled);
  view->setAttribute(Qt::WA_TransparentForMouseEvents);

  QLabel* label = MakeLabel(kMainDesign.Control("Label1"), scale, view);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  // Over a view drawn straight on X the caption needs a window of its own, or the balls
  // passing under it would be drawn over it.
  if (picBox_->NeedsNativeChildren()) label->setAttribute(Qt::WA_NativeWindow);
  label1_ = std::make_unique<QtLabel>(label, scale);
  // Every caption the show can announce draws from these characters.
  caption_font_ = std::make_unique<FontWarmUp>(label->font(), QStringLiteral("0123456789 Ball Wins !"));

  grab_retry_.setInterval(kGrabRetryMs);
  QObject::connect(&grab_retry_, &QTimer::timeout, [this] { GrabInput(); });

  // The native window exists from here on, so the task bar hint is in place before any map.
  if (!kMainDesign.in_task_bar) x11::SkipTaskbar(static_cast<x11::XWindow>(widget_->winId()));
  kit_.SetMainForm(this);
}

QtMainForm::~QtMainForm() = default;

MainControls QtMainForm::Controls() {
  return MainControls{*this, sheet_, *picBox_, *label1_, tmrDown_, tmrRight_};
}

void QtMainForm::SetCaption(std::string_view text) {
  widget_->setWindowTitle(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

Hwnd QtMainForm::hWnd() const { return static_cast<Hwnd>(widget_->winId()); }

void QtMainForm::SetMaximized() {
  if (managed_fullscreen_) {
    widget_->setWindowState(widget_->windowState() | Qt::WindowFullScreen);
    return;
  }
  // A topmost window no window manager manages: maximised is the whole screen, panels
  // included, as a maximised borderless popup is on Windows.
  if (topmost_) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      widget_->setGeometry(screen->geometry());
    }
    return;
  }
  widget_->setWindowState(widget_->windowState() | Qt::WindowMaximized);
}

void QtMainForm::Move(Twips left, Twips top, Twips width, Twips height) {
  const Scale& s = kit_.Scaling();
  widget_->setGeometry(s.PxX(left), s.PxY(top), s.PxX(width), s.PxY(height));
}

void QtMainForm::Show() {
  // Drawing the first frame took time since the timers were made: start both over, together.
  QtTimer::StartTogether({&tmrDown_, &tmrRight_});
  widget_->show();
  if (managed_fullscreen_) x11::Activate(static_cast<x11::XWindow>(widget_->winId()));
  if (topmost_) {
    x11::RaiseToTop(static_cast<x11::XWindow>(widget_->winId()));
    grab_tries_ = 0;
    GrabInput();
  }
}

void QtMainForm::GrabInput() {
  if (lifecycle_.Gone()) return;
  // Qt's grabs route its events to this widget; the window's report whether X granted them.
  widget_->grabKeyboard();
  widget_->grabMouse();
  QWindow* window = widget_->windowHandle();
  const bool keyboard = window && window->setKeyboardGrabEnabled(true);
  const bool pointer = window && window->setMouseGrabEnabled(true);
  if ((keyboard && pointer) || ++grab_tries_ >= kGrabTries) {
    grab_retry_.stop();
  } else if (!grab_retry_.isActive()) {
    grab_retry_.start();
  }
}

void QtMainForm::Refresh() {
  picBox_->Present();
  widget_->repaint();
}

void QtMainForm::SetTopmost(bool on) {
  topmost_ = on;
  const auto id = static_cast<x11::XWindow>(widget_->winId());
  // Under a Wayland compositor's XWayland (GNOME's) a window no one manages never gets the
  // keyboard and X grabs may be refused: the keys of the show would go to the window that
  // had the focus. There the show is a full-screen window the compositor manages, focuses
  // and stacks over the others.
  managed_fullscreen_ = on && x11::ServerIsXwayland();
  // Takes effect at the next map; the show sets it before its first.
  x11::SetOverrideRedirect(id, on && !managed_fullscreen_);
  if (on) {
    kit_.Watch().KeepOnTop(id);
    if (widget_->isVisible()) x11::RaiseToTop(id);
  }
}

void QtMainForm::Unload() { lifecycle_.Unload(); }

void QtMainForm::Destroy() {
  tmrDown_.Stop();
  tmrRight_.Stop();
  grab_retry_.stop();
  widget_->releaseKeyboard();
  widget_->releaseMouse();
  widget_->hide();
  x11::Flush();
}

}  // namespace corvanta::qt
