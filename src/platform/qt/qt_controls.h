#pragma once
// The program's view of a label and a drop-down list, on Qt's widgets.

#include <QComboBox>
#include <QLabel>

#include "layout/controls.h"
#include "platform/qt/qt_design.h"

namespace corvanta::qt {

class QtLabel : public Label {
 public:
  QtLabel(QLabel* label, const Scale& scale) : label_(label), scale_(scale) {}
  void SetCaption(std::string_view text) override {
    label_->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  }
  void SetLeft(Twips left) override { label_->move(scale_.PxX(left), label_->y()); }
  void SetTop(Twips top) override { label_->move(label_->x(), scale_.PxY(top)); }
  void SetVisible(bool visible) override { label_->setVisible(visible); }

 private:
  QLabel* label_;
  Scale scale_;
};

class QtComboBox : public ComboBox {
 public:
  explicit QtComboBox(QComboBox* combo) : combo_(combo) {}
  std::int16_t ListIndex() const override {
    return static_cast<std::int16_t>(combo_->currentIndex());
  }
  void SetListIndex(std::int16_t index) override { combo_->setCurrentIndex(index); }

 private:
  QComboBox* combo_;
};

}  // namespace corvanta::qt
