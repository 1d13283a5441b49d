// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/widgets/CProductInfoDlg.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/HelpTopics.h"
#include "gui/HelpHook.h"
#include "gui/ProgramSettings.h"

namespace radio::gui {
namespace {}  // namespace

CProductInfoDlg::CProductInfoDlg(RadioImage& image, AppState& state, QWidget* parent)
    : FormDialog(image, state, tr("Product Information"), windowhelp::kProductInfo.id, parent) {
  model_ = new QComboBox(this);
  setHelpId(model_, kProductFields[0].helpId);
  for (std::size_t i = 0; i < edges_.size(); ++i) {
    auto* edit = new QLineEdit(this);
    edit->setValidator(new QIntValidator(edit));
    // The band edges are shown, not edited: they follow the radio.
    edit->setEnabled(false);
    setHelpId(edit, kProductFields[i + 1].helpId);
    edges_[i] = edit;
  }

  auto* group = new QGroupBox(tr("Model Info"), this);
  auto* grid = new QGridLayout(group);
  auto* modelLabel = new QLabel(QString::fromUtf8(kProductFields[0].label.in(state_.lang)), group);
  modelLabel->setBuddy(model_);
  grid->addWidget(modelLabel, 0, 0);
  grid->addWidget(model_, 0, 1, 1, 3);
  grid->addWidget(new QLabel(QString::fromUtf8(kProductFields[1].label.in(state_.lang)), group), 1, 0);
  for (int band = 0; band < 2; ++band) {
    grid->addWidget(edges_[static_cast<std::size_t>(band * 2)], band + 1, 1);
    grid->addWidget(new QLabel(tr("——"), group), band + 1, 2);
    grid->addWidget(edges_[static_cast<std::size_t>(band * 2 + 1)], band + 1, 3);
  }

  auto* buttons = okCancelButtons(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(buttons);

  load();
}

void CProductInfoDlg::load() {
  // The remembered choice selects the model; without one the first model.
  bool ok = false;
  const qint64 remembered = ProgramSettings(state_.appName).value(Setting::Model).toLongLong(&ok);
  const ProductInfoForm form =
      loadProductInfo(image_, state_.band.limits, modelNames(state_.config), ok ? remembered : 0);
  models_ = form.models;
  model_->clear();
  for (const std::string& name : form.models) model_->addItem(QString::fromStdString(name));
  model_->setCurrentIndex(form.model);
  const std::array<std::int32_t, 4> edges{form.edges.low1, form.edges.high1, form.edges.low2, form.edges.high2};
  for (std::size_t i = 0; i < edges.size(); ++i) edges_[i]->setText(QString::number(edges[i]));
}

void CProductInfoDlg::accept() {
  ProductInfoForm form;
  form.models = models_;
  form.model = model_->currentIndex();
  form.edges = {edges_[0]->text().toInt(), edges_[1]->text().toInt(), edges_[2]->text().toInt(),
                edges_[3]->text().toInt()};
  if (storeProductInfo(form, image_, state_.band) == ProductStoreResult::InvertedBand) {
    showMessage(this, {QApplication::applicationDisplayName(), QString::fromUtf8(kFrequencyInputError.in(state_.lang)),
                       QMessageBox::NoIcon, QMessageBox::Ok});
    return;
  }
  if (form.model >= 0) ProgramSettings(state_.appName).setValue(Setting::Model, form.model);
  QDialog::accept();
}

}  // namespace radio::gui
