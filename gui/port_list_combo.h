#pragma once
// The port list: it asks for fresh labels each time it drops down, before it shows them.

#include <QComboBox>
#include <functional>

namespace zorv {

class PortListCombo : public QComboBox {
 public:
  using QComboBox::QComboBox;
  std::function<void()> aboutToShow;
  void showPopup() override {
    if (aboutToShow) aboutToShow();
    QComboBox::showPopup();
  }
};

}  // namespace zorv
