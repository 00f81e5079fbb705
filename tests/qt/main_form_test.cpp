// frmMain as built on Qt: its design, its timers, and that a tick repaints only what changed.

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QRegion>

#include "platform/qt/qt_main_form.h"
#include "platform/qt/qt_toolkit.h"

namespace corvanta::qt {
namespace {

// Records the region of every paint event a widget receives.
class PaintRecorder : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
  QRegion painted;
};

struct Built {
  Built() : kit(""), form(kit, sheet) {}
  Picture sheet = DecodeBmp(SpriteSheetFile());
  QtToolkit kit;
  QtMainForm form;
};

TEST(QtMainForm, IsBuiltAsDesigned) {
  Built b;
  QWidget* w = b.form.Widget();
  EXPECT_TRUE(w->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(w->size(), QSize(312, 213));
  EXPECT_EQ(w->palette().color(QPalette::Window), QColor(Qt::black));
  EXPECT_FALSE(w->windowIcon().isNull());

  auto* picBox = w->findChild<QWidget*>("picBox");
  ASSERT_TRUE(picBox);
  EXPECT_FALSE(picBox->isEnabled());
  EXPECT_EQ(picBox->geometry(), QRect(0, 0, 81, 33));

  auto* label = w->findChild<QLabel*>("Label1");
  ASSERT_TRUE(label);
  EXPECT_EQ(label->parentWidget(), picBox);
  EXPECT_EQ(label->geometry(), QRect(0, 0, 129, 25));
  EXPECT_TRUE(label->isHidden());
  EXPECT_EQ(label->text(), "Label1");
  EXPECT_TRUE(label->autoFillBackground());
  EXPECT_EQ(label->palette().color(QPalette::Window), QColor(0, 0, 0));
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 255, 128));
  EXPECT_TRUE(label->font().bold());
  EXPECT_EQ(label->font().pointSizeF(), 12.0);
}

TEST(QtMainForm, TimersRunFromCreation) {
  Built b;
  const MainControls c = b.form.Controls();
  EXPECT_EQ(c.tmrDown.Interval(), 40);
  EXPECT_EQ(c.tmrRight.Interval(), 10);
  EXPECT_TRUE(static_cast<QtTimer&>(c.tmrRight).Active());
  EXPECT_TRUE(static_cast<QtTimer&>(c.tmrDown).Active());
}

TEST(QtMainForm, RepaintsOnlyTheRectanglesThatChanged) {
  Built b;
  const MainControls c = b.form.Controls();
  c.picBox.SetWidth(640 * 15);
  c.picBox.SetHeight(480 * 15);
  b.form.Widget()->resize(640, 480);
  b.form.Widget()->show();
  QApplication::processEvents();
  QApplication::processEvents();

  PaintRecorder recorder;
  QWidget* view = b.form.Widget()->findChild<QWidget*>("picBox");
  view->installEventFilter(&recorder);
  // One ball cell at (100, 200) pixels.
  c.picBox.PaintPicture(b.sheet, 1500, 3000, 480, 480, PictureBox::Source{0, 0, 480, 480});
  b.form.Refresh();
  EXPECT_EQ(recorder.painted, QRegion(0, 0, 640, 480)) << "a refresh repaints the whole window";

  recorder.painted = QRegion();
  c.picBox.Cls();
  c.picBox.PaintPicture(b.sheet, 3000, 3000, 480, 480, PictureBox::Source{0, 0, 480, 480});
  static_cast<QtPictureBox&>(c.picBox).Present();
  QApplication::processEvents();
  EXPECT_EQ(recorder.painted.boundingRect(), QRect(100, 200, 132, 32))
      << "the old cell cleared and the new one painted, nothing else";
}

}  // namespace
}  // namespace corvanta::qt
