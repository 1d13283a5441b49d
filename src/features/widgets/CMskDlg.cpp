#include "features/widgets/CMskDlg.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/HelpTopics.h"
#include "features/MskForm.h"
#include "features/widgets/CGridCellEditor.h"
#include "features/widgets/CGridCellEditorKeyFilter.h"
#include "gui/HelpHook.h"

namespace radio::gui {

namespace {
constexpr Text kNum{"Num", "编号"};
constexpr int kBaseColumnWidth = 80;  // the number column as the grid is created, in pixels

QString latin1(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }
}  // namespace

CMskDlg::CMskDlg(RadioImage& image, AppState& state, QWidget* parent) : QDialog(parent), image_(image), state_(state) {
  setWindowTitle(tr("MSK"));
  setHelpId(this, windowhelp::kMsk.id);
  auto* layout = new QVBoxLayout(this);

  auto* idRow = new QHBoxLayout;
  idCode_ = new QLineEdit(this);
  setHelpId(idCode_, kMskIdField.helpId);
  idCode_->setMaxLength(static_cast<int>(kMskCodeLength));
  idCode_->setContextMenuPolicy(Qt::NoContextMenu);
  idCode_->setAcceptDrops(false);
  setUpperCaseInput(idCode_);
  idCode_->installEventFilter(this);
  idRow->addWidget(new QLabel(QString::fromUtf8(kMskIdField.label.in(state_.lang)), this));
  idRow->addWidget(idCode_);
  layout->addLayout(idRow);

  auto* box = new QGroupBox(QString::fromUtf8(kMskCallField.label.in(state_.lang)), this);
  auto* boxLayout = new QVBoxLayout(box);
  grid_ = new QTableWidget(box);
  setHelpId(grid_, kMskCallField.helpId);
  setUpCallGrid(grid_, kMskCallCount + 1, 2);
  grid_->item(0, 0)->setText(QString::fromUtf8(kNum.in(state_.lang)));
  grid_->item(0, 1)->setText(QString::fromUtf8(kMskCallField.label.in(state_.lang)));
  for (int n = 1; n <= kMskCallCount; ++n) grid_->item(n, 0)->setText(QString::number(n));
  grid_->setColumnWidth(0, static_cast<int>(kBaseColumnWidth * 0.8));
  grid_->setColumnWidth(1, static_cast<int>(kBaseColumnWidth * 1.43));
  QFont courier(QStringLiteral("Courier"));
  courier.setStyleHint(QFont::TypeWriter);
  for (int n = 1; n <= kMskCallCount; ++n) grid_->item(n, 1)->setFont(courier);
  int height = 2 * grid_->frameWidth();
  for (int r = 0; r <= kMskCallCount; ++r) height += grid_->rowHeight(r);
  grid_->setMinimumHeight(height);
  grid_->setMinimumWidth(grid_->columnWidth(0) + grid_->columnWidth(1) + 2 * grid_->frameWidth());
  boxLayout->addWidget(grid_);
  layout->addWidget(box);

  editor_ = new CGridCellEditor(grid_, static_cast<int>(kMskCodeLength), true);
  setHelpId(editor_, 1123);
  editor_->setFont(font());
  editor_->setContextMenuPolicy(Qt::NoContextMenu);
  editor_->setAcceptDrops(false);

  auto* buttons = new QHBoxLayout;
  ok_ = new QPushButton(tr("OK"), this);
  setHelpId(ok_, 1);
  cancel_ = new QPushButton(tr("Cancel"), this);
  setHelpId(cancel_, 2);
  ok_->setAutoDefault(false);
  cancel_->setAutoDefault(false);
  buttons->addStretch(1);
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  layout->addLayout(buttons);
  connect(ok_, &QPushButton::clicked, this, &CMskDlg::onOk);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

  // One key filter for the whole dialog, whatever control has the focus.
  auto* filter = new CGridCellEditorKeyFilter([](const KeyStroke& key, QWidget*) { return mskKey(key); }, this);
  filter->watch(this);
  load();
}

void CMskDlg::load() {
  const MskForm form = loadMsk(image_);
  {
    const QSignalBlocker block(grid_);
    for (int n = 1; n <= kMskCallCount; ++n)
      grid_->item(n, 1)->setText(latin1(form.calls[static_cast<std::size_t>(n - 1)]));
    grid_->setCurrentCell(1, 1);
  }
  idCode_->setText(latin1(form.idCode));
  editor_->hide();
  loaded_ = true;
}

void CMskDlg::showEvent(QShowEvent* event) {
  // A dialog run again reads the image afresh; its working copy starts over.
  if (!loaded_) load();
  QDialog::showEvent(event);
}

void CMskDlg::onOk() {
  editor_->commit();
  MskForm form;
  form.idCode = idCode_->text().toLatin1().toStdString();
  for (int n = 1; n <= kMskCallCount; ++n)
    form.calls[static_cast<std::size_t>(n - 1)] = grid_->item(n, 1)->text().toLatin1().toStdString();
  storeMsk(form, image_);
  accept();
}

void CMskDlg::done(int result) {
  loaded_ = false;
  QDialog::done(result);
}

bool CMskDlg::eventFilter(QObject* watched, QEvent* event) {
  // Clicking into the ID Code edit does not leave the grid's cell: the edit's
  // focus commits the cell editor instead.
  if (watched == idCode_ && event->type() == QEvent::FocusIn) editor_->commit();
  return QDialog::eventFilter(watched, event);
}

}  // namespace radio::gui
