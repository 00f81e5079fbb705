#include "platform/qt/qt_settings_dialog.h"

#include <QDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <map>
#include <vector>

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
  void Unload() override { done(QDialog::Rejected); }

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

}  // namespace

void RunSettingsDialog(SettingsFormEvents& events, const Scale& scale) {
  const FormDesign& design = kSettingsDesign;
  SettingsDialog dialog;
  dialog.setObjectName(Q(design.name));
  dialog.setWindowTitle(Q(design.caption));
  const QSize size(scale.PxX(design.client_width), scale.PxY(design.client_height));
  dialog.setFixedSize(size);
  // Placed here rather than by QDialog, which guesses a 10 x 40 frame when no window manager
  // reports one and so opens off centre.
  if (design.centred) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      const QRect area = screen->geometry();
      dialog.move(area.x() + (area.width() - size.width()) / 2,
                  area.y() + (area.height() - size.height()) / 2);
    }
  }

  std::map<std::string_view, QWidget*> made;
  std::vector<std::pair<int, QWidget*>> tab_order;
  for (const ControlDesign& c : design.controls) {
    QWidget* parent = c.container.empty() ? &dialog : made.at(c.container);
    QWidget* w = MakeControl(c, scale, parent);
    if (!w) continue;
    made[c.name] = w;
    if (c.tab_index >= 0 && w->focusPolicy() & Qt::TabFocus) tab_order.emplace_back(c.tab_index, w);
  }
  std::sort(tab_order.begin(), tab_order.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < tab_order.size(); ++i) {
    QWidget::setTabOrder(tab_order[i - 1].second, tab_order[i].second);
  }

  const auto control = [&](std::string_view name) { return made.at(design.Control(name).name); };
  QtComboBox combo1(static_cast<QComboBox*>(control("Combo1")));
  QtLabel label6(static_cast<QLabel*>(control("Label6")), scale);
  QObject::connect(static_cast<QPushButton*>(control("btnOK")), &QPushButton::clicked,
                   [&events] { events.btnOK_Click(); });
  QObject::connect(static_cast<QPushButton*>(control("btnCancel")), &QPushButton::clicked,
                   [&events] { events.btnCancel_Click(); });

  // Like frmMain, the dialog stays out of the task bar; set before its first map.
  x11::SkipTaskbar(static_cast<x11::XWindow>(dialog.winId()));

  events.Attach({dialog, combo1, label6});
  events.Form_Load();
  // The focus starts in the first control of the tab order that can take it.
  if (!tab_order.empty()) tab_order.front().second->setFocus();
  dialog.exec();
}

}  // namespace corvanta::qt
