#include "editor/sheets/custom_resolution_dialog.h"

#include "editor/sheets/project_setup.h"
#include "editor/sheets/sheet_layout.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vistrelle {

CustomResolutionDialog::CustomResolutionDialog(const QString& widthText, const QString& heightText,
                                               std::optional<ScreenMode> mode, QWidget* parent)
    : QDialog(parent)
    , width_(new QLineEdit(widthText, this))
    , height_(new QLineEdit(heightText, this))
    , error_(new QLabel(this))
    , mode_(mode) {
    setWindowTitle(tr("Custom Resolution"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 16);
    layout->setSpacing(12);
    layout->addWidget(
        makeSheetHeader(tr("Custom Resolution"), tr("Enter custom resolution dimensions"), this));

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(12);
    width_->setObjectName(QStringLiteral("width"));
    height_->setObjectName(QStringLiteral("height"));
    for (QLineEdit* field : {width_, height_}) {
        field->setAlignment(Qt::AlignRight);
        field->setMaximumWidth(120);
    }
    form->addRow(tr("Width"), width_);
    form->addRow(tr("Height"), height_);
    layout->addLayout(form);

    layout->addWidget(makeNoteLabel(tr("Minimum resolution: 1024×768"), this));

    error_->setObjectName(QStringLiteral("error"));
    error_->setWordWrap(true);
    QPalette errorPalette = error_->palette();
    errorPalette.setColor(QPalette::WindowText, QColor(0xD7, 0x00, 0x15));
    error_->setPalette(errorPalette);
    error_->hide();
    layout->addWidget(error_);

    layout->addStretch();
    QDialogButtonBox* buttons = makeSheetButtons(tr("Cancel"), tr("Use Custom Resolution"), this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CustomResolutionDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CustomResolutionDialog::reject);
    layout->addWidget(buttons);

    setMinimumWidth(340);
    width_->selectAll();
    width_->setFocus();
}

QString CustomResolutionDialog::widthText() const {
    return width_->text();
}

QString CustomResolutionDialog::heightText() const {
    return height_->text();
}

QString CustomResolutionDialog::errorText() const {
    return error_->text();
}

void CustomResolutionDialog::accept() {
    const std::variant<ScreenResolution, QString> result =
        customResolutionFromText(width_->text(), height_->text(), mode_.value_or(ScreenMode::horizontal));
    if (const QString* message = std::get_if<QString>(&result)) {
        error_->setText(*message);
        error_->show();
        return;
    }
    resolution_ = std::get<ScreenResolution>(result);
    if (!mode_ && resolution_.height > resolution_.width)
        resolution_.mode = ScreenMode::vertical;
    error_->clear();
    error_->hide();
    QDialog::accept();
}

} // namespace vistrelle
