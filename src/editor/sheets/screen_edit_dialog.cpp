#include "editor/sheets/screen_edit_dialog.h"

#include "editor/sheets/project_setup.h"
#include "editor/sheets/sheet_layout.h"
#include "editor/sheets/symbol_icon.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vistrelle {

ScreenEditDialog::ScreenEditDialog(const KioskScreen& screen, QWidget* parent)
    : QDialog(parent)
    , screen_(screen)
    , name_(new QLineEdit(screen.name, this))
    , duration_(new QLineEdit(QString::number(screen.duration), this)) {
    setWindowTitle(tr("Edit Screen"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(12);
    layout->addWidget(makeSheetHeader(tr("Edit Screen"), tr("Configure your screen"), this));

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(8);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    name_->setObjectName(QStringLiteral("screenName"));
    name_->setPlaceholderText(tr("Enter screen name"));
    form->addRow(tr("Screen Name"), name_);

    auto* durationRow = new QHBoxLayout;
    durationRow->setSpacing(6);
    duration_->setObjectName(QStringLiteral("duration"));
    duration_->setAlignment(Qt::AlignRight);
    duration_->setMaximumWidth(80);
    durationRow->addWidget(duration_);
    durationRow->addWidget(new QLabel(tr("seconds"), this));
    durationRow->addStretch();
    form->addRow(tr("Duration"), durationRow);
    layout->addLayout(form);

    auto* information = new QHBoxLayout;
    information->setSpacing(6);
    auto* symbol = new QLabel(this);
    const QColor dimmed = palette().color(QPalette::PlaceholderText);
    symbol->setPixmap(
        symbolPixmap(QStringLiteral("rectangle.on.rectangle"), 14, dimmed, devicePixelRatioF()));
    information->addWidget(symbol);
    auto* components = makeNoteLabel(tr("%n components", nullptr, int(screen.components.size())), this);
    components->setObjectName(QStringLiteral("componentCount"));
    components->setWordWrap(false);
    information->addWidget(components);
    information->addSpacing(12);
    auto* size = makeNoteLabel(
        tr("%1 \u00D7 %2 pixels")
            .arg(QString::number(screen.resolution.width), QString::number(screen.resolution.height)),
        this);
    size->setObjectName(QStringLiteral("resolution"));
    size->setWordWrap(false);
    information->addWidget(size);
    information->addStretch();
    layout->addLayout(information);

    layout->addStretch();
    QDialogButtonBox* buttons = makeSheetButtons(tr("Cancel"), tr("Save Changes"), this);
    acceptButton(buttons)->setObjectName(QStringLiteral("saveChanges"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ScreenEditDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ScreenEditDialog::reject);
    layout->addWidget(buttons);

    name_->selectAll();
    name_->setFocus();
    resize(sizeHint().expandedTo(QSize(420, 0)));
}

KioskScreen ScreenEditDialog::editedScreen() const {
    return vistrelle::editedScreen(screen_, name_->text(), duration_->text());
}

} // namespace vistrelle
