// The main window's widgets, built from the control layout table: panels, controls, their
// handlers' notifications, and the names screen readers and test drivers find them by.

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>
#include <QSlider>

#include "core/control_ids.h"
#include "core/control_layout.h"
#include "core/param_catalogue.h"
#include "gui/language.h"
#include "gui/port_list_combo.h"
#include "gui/readout_box.h"
#include "gui/slider_settle.h"
#include "gui/zorv_dlg.h"

namespace zorv {

namespace {

// The layout table's captions, list items and scales are marked in the "Window" context.
QString qs(const char* s) { return shown("Window", s); }

QString accessibleNameOf(const ControlRow& c) {
  if (c.buddy > 0) {
    if (const ControlRow* b = findControl(c.buddy)) return qs(b->caption);
  }
  return qs(c.caption);
}

QStringList scaleMarks(const QString& caption) {
  return caption.contains('|') ? caption.split('|') : caption.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
}

}  // namespace

namespace {

// The window's page: as large as its controls want (a scroll area would cap its wish at a few
// hundred pixels), with scroll bars only when the window is made smaller than that.
class PageScroll : public QScrollArea {
 public:
  using QScrollArea::QScrollArea;
  QSize sizeHint() const override {
    const int f = 2 * frameWidth();
    return widget() ? widget()->sizeHint() + QSize(f, f) : QScrollArea::sizeHint();
  }
};

}  // namespace

void CZorvDlg::build() {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  auto* scroll = new PageScroll(this);
  scroll->setObjectName("pageScroll");
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  page_ = new QWidget;
  page_->setObjectName("page");
  auto* top = new QGridLayout(page_);
  top->setContentsMargins(6, 6, 6, 6);
  top->setSpacing(6);
  std::vector<QGridLayout*> grids;
  int panelIndex = 0;
  for (const PanelRow& p : panels()) {
    QWidget* frame;
    if (*p.caption) {
      frame = new QGroupBox(qs(p.caption), page_);
      frames_.emplace_back(frame, &p);
    } else {
      frame = new QWidget(page_);
    }
    frame->setObjectName(QString("panel%1").arg(panelIndex++));
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    grids.push_back(grid);
    top->addWidget(frame, p.row, p.col, p.rowSpan, p.colSpan, Qt::AlignTop);
  }

  settle_ = new SliderSettle(this, kSliderSettleMs,
                             [this](int id) { route([this, id] { core_->onSliderReleased(id); }); });
  for (const ControlRow& c : controls()) {
    QWidget* parentFrame = grids[static_cast<size_t>(c.panel)]->parentWidget();
    QWidget* w = nullptr;
    const int id = c.id;
    switch (c.kind) {
      case ControlKind::LabelButton:
      case ControlKind::Button: {
        auto* b = new QPushButton(qs(c.caption), parentFrame);
        b->setAutoDefault(false);
        if (id == kGraphButton) {
          connect(b, &QPushButton::clicked, this, &CZorvDlg::toggleLiveWindow);
        } else {
          connect(b, &QPushButton::clicked, this, [this, id] { route([this, id] { core_->onButtonClicked(id); }); });
        }
        w = b;
        break;
      }
      case ControlKind::Slider: {
        auto* s = new QSlider(Qt::Horizontal, parentFrame);
        s->setRange(c.lo, c.hi);
        s->setTickInterval(c.tick);
        s->setTickPosition(QSlider::TicksBelow);
        s->setPageStep(c.tick);
        s->setValue(c.initial);
        s->setMinimumWidth(c.hi - c.lo > 100 ? 200 : 170);
        // Bound first: the data exchange hears of a new position before the handler runs.
        bindControl(id, s, false);
        connect(s, &QSlider::valueChanged, this, [this, id] { route([this, id] { core_->onSliderMoved(id); }); });
        connect(s, &QSlider::sliderReleased, this, [this, id] { route([this, id] { core_->onSliderReleased(id); }); });
        settle_->watch(id, s);
        w = s;
        break;
      }
      case ControlKind::Edit:
      case ControlKind::ReadOnlyEdit: {
        // A read-out repaints alone when its number changes (see ReadoutBox).
        const bool readout = c.kind == ControlKind::ReadOnlyEdit && !c.text;
        auto* e = readout ? new ReadoutBox(parentFrame) : new QLineEdit(parentFrame);
        e->setReadOnly(c.kind == ControlKind::ReadOnlyEdit);
        if (!c.text) {
          e->setText(QString::number(c.initial));
          e->setMaximumWidth(60);
          e->setAlignment(Qt::AlignRight);
        }
        if (id == ids::kFirmwareHint) e->setMinimumWidth(300);
        if (id == ids::kPortStatus) e->setMinimumWidth(110);
        bindControl(id, e, readout);
        entry(id)->translated = c.text;
        connect(e, &QLineEdit::textChanged, this, [this, id] { route([this, id] { core_->onEditChanged(id); }); });
        w = e;
        break;
      }
      case ControlKind::Combo: {
        auto* cb = id == ids::kPortList ? new PortListCombo(parentFrame) : new QComboBox(parentFrame);
        // Each item keeps its original wording beside the words it shows (see text()).
        for (const std::string& item : comboItems(id)) {
          if (id == ids::kPortList) {
            cb->addItem(QString::fromStdString(item));  // relabelled with device names, never translated
          } else {
            cb->addItem(qs(item.c_str()), QString::fromStdString(item));
          }
        }
        // As wide as its longest item in the language shown, after a switch too.
        if (id != ids::kPortList) cb->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        cb->setCurrentIndex(c.initial);
        bindControl(id, cb, false);
        connect(cb, QOverload<int>::of(&QComboBox::activated), this,
                [this, id] { route([this, id] { core_->onComboActivated(id); }); });
        w = cb;
        break;
      }
      case ControlKind::Check: {
        auto* cb = new QCheckBox(qs(c.caption), parentFrame);
        bindControl(id, cb, false);
        connect(cb, &QCheckBox::clicked, this, [this, id] { route([this, id] { core_->onCheckClicked(id); }); });
        w = cb;
        break;
      }
      case ControlKind::Label: {
        auto* l = new QLabel(shown(c.context, c.caption), parentFrame);
        if (c.colSpan > 1) l->setAlignment(Qt::AlignCenter);
        w = l;
        break;
      }
      case ControlKind::Scale: {
        // Scale marks spread over the columns they stand above.
        auto* box = new QWidget(parentFrame);
        auto* row = new QHBoxLayout(box);
        row->setContentsMargins(0, 0, 0, 0);
        const QString caption = qs(c.caption);
        const QStringList marks = scaleMarks(caption);
        for (int i = 0; i < marks.size(); ++i) {
          auto* l = new QLabel(marks[i], box);
          l->setAlignment(i == 0 ? Qt::AlignLeft : i + 1 == marks.size() ? Qt::AlignRight : Qt::AlignCenter);
          if (!caption.contains('|')) l->setAlignment(Qt::AlignCenter);
          row->addWidget(l, 1);
        }
        box->setAccessibleName(caption);
        w = box;
        break;
      }
      case ControlKind::Progress: {
        progress_ = new QProgressBar(parentFrame);
        progress_->setFormat(qs(c.caption) + " %p%");
        progress_->setVisible(false);
        w = progress_;
        break;
      }
    }
    rows_.emplace_back(w, &c);
    if (id != 0) {
      w->setObjectName(c.name ? QString(c.name) : QString::number(id));
      widgets_[id] = w;
      if (Entry* e = entry(id)) e->widget = w;
    }
    grids[static_cast<size_t>(c.panel)]->addWidget(w, c.row, c.col, c.rowSpan, c.colSpan);
  }
  scroll->setWidget(page_);
  outer->addWidget(scroll);
  buildNames();
  // The whole page, as the window always opened; fitToScreen() makes it smaller where it must.
  ensurePolished();
  resize(sizeHint());
}

void CZorvDlg::fitToScreen(QRect room) {
  if (room.isEmpty() && screen()) room = screen()->availableGeometry();
  if (room.isEmpty()) return;
  fittedTo_ = room;
  // Room for the title bar and frame the window manager adds.
  const QSize frame = frameGeometry().size() - geometry().size();
  const QSize most = room.size() - (frame.isValid() && !frame.isEmpty() ? frame : QSize(8, 32));
  resize(sizeHint().boundedTo(most));
  if (isVisible()) move(std::max(room.left(), std::min(x(), room.right() - width())),
                        std::max(room.top(), std::min(y(), room.bottom() - height())));
}

void CZorvDlg::buildNames() {
  for (const auto& [w, c] : rows_)
    if (c->id != 0) w->setAccessibleName(accessibleNameOf(*c));
  // The flight-mode boxes are named by their row and column.
  const char* columns[] = {"CH5 L", "CH5 M", "CH5 H", "CH6 L", "CH6 M", "CH6 H", "CH7 L", "CH7 H"};
  for (int r = 0; r < 9; ++r)
    for (int col = 0; col < 8; ++col) {
      QWidget* box = widgets_.value(matrixCheckId(r, col));
      const QString rowName = shown("Flight modes", matrixRowCaption(r));
      box->setAccessibleName(rowName + " " + columns[col]);
    }
  for (int g : {kReceiverReverseGroup, kOutputReverseGroup}) {
    const BitGroup& group = bitGroups()[static_cast<size_t>(g)];
    for (int k = 0; k < 8; ++k)
      widgets_.value(group.boxes[static_cast<size_t>(k)])
          ->setAccessibleName(QString::fromStdString(paramLabels()[static_cast<size_t>(group.firstIndex + k)]).trimmed());
  }
  const char* cellNames[] = {ZORV_NOOP("Window", "1 банка"), ZORV_NOOP("Window", "2 банка"),
                             ZORV_NOOP("Window", "3 банка"), ZORV_NOOP("Window", "4 банка")};
  for (size_t i = 0; i < kCellEdits.size(); ++i) widgets_.value(kCellEdits[i])->setAccessibleName(qs(cellNames[i]));
}

}  // namespace zorv
