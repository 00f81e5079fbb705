#include "platform/qt/qt_settings_dialog.h"

#include <QDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <optional>
#include <vector>

#include "layout/settings_dialog_plan.h"
#include "platform/qt/qt_controls.h"
#include "platform/qt/qt_x11.h"

namespace corvanta::qt {
namespace {

QString Q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

class SettingsDialog : public QDialog, public Window {
 public:
  SettingsDialog()
      : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                             Qt::WindowCloseButtonHint) {}

  void SetCaption(std::string_view text) override { setWindowTitle(Q(text)); }
  Hwnd hWnd() const override { return static_cast<Hwnd>(winId()); }
  void SetMaximized() override { setWindowState(windowState() | Qt::WindowMaximized); }
  void Move(Twips, Twips, Twips, Twips) override {}  // the dialog's place is fixed: centred
  void Show() override { show(); }
  void Refresh() override { repaint(); }
  void Unload() override {
    unloaded = true;
    done(QDialog::Rejected);
  }

  bool unloaded = false;

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    switch (e->key()) {
      case Qt::Key_Escape:
      case Qt::Key_Enter:
      case Qt::Key_Return:
        e->accept();  // nothing: neither button is the default or the cancel button
        return;
      default:
        QDialog::keyPressEvent(e);
    }
  }
};

QWidget* MakeControl(const ControlDesign& c, const Scale& scale, QWidget* parent) {
  QWidget* w = nullptr;
  switch (c.kind) {
    case ControlKind::kFrame:
      w = new QGroupBox(Q(c.caption), parent);
      break;
    case ControlKind::kLabel:
      return MakeLabel(c, scale, parent);
    case ControlKind::kDropDownList: {
      auto* combo = new QComboBox(parent);  // not editable: selection only
      for (std::string_view entry : c.entries) combo->addItem(Q(entry));
      combo->setCurrentIndex(-1);
      w = combo;
      break;
    }
    case ControlKind::kButton: {
      auto* button = new QPushButton(Q(c.caption), parent);
      button->setAutoDefault(false);
      button->setDefault(false);
      w = button;
      break;
    }
    case ControlKind::kImage: {
      auto* image = new QLabel(parent);
      if (c.picture == PictureId::kNineBall) {
        image->setPixmap(QPixmap::fromImage(ToQImage(DecodeBmp(NineBallFile()))));
      }
      image->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // at its own size, not stretched
      w = image;
      break;
    }
    case ControlKind::kPictureBox:
    case ControlKind::kTimer:
      return nullptr;  // the dialog has none
  }
  w->setObjectName(Q(c.name));
  w->setGeometry(scale.Rect(c));
  w->setVisible(c.visible);
  w->setEnabled(c.enabled);
  return w;
}

// Qt widgets nest: each control is made inside its container's widget, at its own place there.
class QtDialogWidgets final : public SettingsDialogWidgets {
 public:
  QtDialogWidgets(SettingsDialog& dialog, const Scale& scale, SettingsFormEvents& events,
                  std::size_t count)
      : dialog_(dialog), scale_(scale), events_(events), made_(count, nullptr) {}

  PixelRect SizeClient(Twips width, Twips height) override {
    // Placed by us rather than by QDialog, which guesses a 10 x 40 frame when no window
    // manager reports one and so opens off centre: the frame is the window manager's business.
    const QSize size(scale_.PxX(width), scale_.PxY(height));
    dialog_.setFixedSize(size);
    return {0, 0, size.width(), size.height()};
  }
  PixelRect Screen() override {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {0, 0, dialog_.width(), dialog_.height()};
    const QRect area = screen->geometry();
    return {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()};
  }
  void MoveTo(int x, int y) override { dialog_.move(x, y); }
  void Make(std::size_t index, const ControlDesign& design, std::optional<std::size_t> container,
            Twips, Twips) override {
    made_[index] = MakeControl(design, scale_, container ? made_[*container] : &dialog_);
  }
  void TabAfter(std::size_t before, std::size_t after) override {
    QWidget::setTabOrder(made_[before], made_[after]);
  }
  void OnClick(std::size_t button, Handler handler) override {
    QObject::connect(static_cast<QPushButton*>(made_[button]), &QPushButton::clicked,
                     [&events = events_, handler] { (events.*handler)(); });
  }
  void Focus(std::size_t index) override { made_[index]->setFocus(); }
  SettingsControls Controls(std::size_t combo, std::size_t label6) override {
    combo_.emplace(static_cast<QComboBox*>(made_[combo]));
    label6_.emplace(static_cast<QLabel*>(made_[label6]), scale_);
    return {dialog_, *combo_, *label6_};
  }
  bool Unloaded() const override { return dialog_.unloaded; }

 private:
  SettingsDialog& dialog_;
  const Scale& scale_;
  SettingsFormEvents& events_;
  std::vector<QWidget*> made_;
  std::optional<QtComboBox> combo_;
  std::optional<QtLabel> label6_;
};

}  // namespace

void RunSettingsDialog(SettingsFormEvents& events, const Scale& scale) {
  const FormDesign& design = kSettingsDesign;
  SettingsDialog dialog;
  dialog.setObjectName(Q(design.name));
  dialog.setWindowTitle(Q(design.caption));
  // Set before the dialog's first map, which is when window managers read it.
  if (!design.in_task_bar) x11::SkipTaskbar(static_cast<x11::XWindow>(dialog.winId()));
  QtDialogWidgets widgets(dialog, scale, events, design.controls.size());
  BuildSettingsDialog(design, widgets, events);
  dialog.exec();
}

}  // namespace corvanta::qt
