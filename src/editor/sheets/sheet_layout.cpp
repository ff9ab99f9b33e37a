#include "editor/sheets/sheet_layout.h"

#include "editor/sheets/symbol_icon.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace vistrelle {

namespace {

constexpr int kSectionSymbolSize = 16;

// Texts of the "SheetLayout" catalogue context, written out where they are used so that the translation tools
// see them.
struct SheetLayoutTexts {
    Q_DECLARE_TR_FUNCTIONS(SheetLayout)
};

void scaleFont(QWidget* widget, qreal factor, bool bold) {
    QFont font = widget->font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else
        font.setPixelSize(qRound(font.pixelSize() * factor));
    font.setBold(bold);
    widget->setFont(font);
}

} // namespace

QWidget* makeSheetHeader(const QString& title, const QString& subtitle, QWidget* parent) {
    auto* header = new QWidget(parent);
    auto* layout = new QVBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->setSpacing(2);

    auto* titleLabel = new QLabel(title, header);
    titleLabel->setObjectName(QStringLiteral("sheetTitle"));
    scaleFont(titleLabel, 1.45, true);
    layout->addWidget(titleLabel);

    if (!subtitle.isEmpty()) {
        auto* subtitleLabel = makeNoteLabel(subtitle, header);
        subtitleLabel->setObjectName(QStringLiteral("sheetSubtitle"));
        layout->addWidget(subtitleLabel);
    }
    return header;
}

QFormLayout* addSheetSection(QBoxLayout* layout, const QString& symbolName, const QString& title) {
    auto* heading = new QHBoxLayout;
    heading->setSpacing(6);
    auto* symbol = new QLabel;
    const QWidget* window = layout->parentWidget();
    const qreal ratio = window ? window->devicePixelRatioF() : 1.0;
    const QColor color = window ? window->palette().color(QPalette::WindowText) : QColor(Qt::black);
    symbol->setPixmap(symbolPixmap(symbolName, kSectionSymbolSize, color, ratio));
    symbol->setFixedSize(kSectionSymbolSize, kSectionSymbolSize);
    heading->addWidget(symbol);
    auto* titleLabel = new QLabel(title);
    scaleFont(titleLabel, 1.0, true);
    heading->addWidget(titleLabel);
    heading->addStretch();
    layout->addLayout(heading);

    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Plain);
    auto* form = new QFormLayout(frame);
    form->setContentsMargins(12, 10, 12, 10);
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(8);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);
    layout->addWidget(frame);
    return form;
}

QLabel* makeNoteLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    scaleFont(label, 0.9, false);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

QLineEdit* makePasswordField(const QString& placeholder, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setPlaceholderText(placeholder);
    field->setEchoMode(QLineEdit::Password);
    QAction* reveal = field->addAction(symbolIcon(QStringLiteral("eye")), QLineEdit::TrailingPosition);
    reveal->setCheckable(true);
    reveal->setToolTip(SheetLayoutTexts::tr("Show Password"));
    QObject::connect(reveal, &QAction::toggled, field, [field, reveal](bool shown) {
        field->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
        reveal->setIcon(symbolIcon(shown ? QStringLiteral("eye.slash") : QStringLiteral("eye")));
        reveal->setToolTip(shown ? SheetLayoutTexts::tr("Hide Password")
                                 : SheetLayoutTexts::tr("Show Password"));
    });
    return field;
}

QSpinBox* makeGridSizeBox(qint64 value, QWidget* parent) {
    const int shown = int(std::clamp<qint64>(value, 1, 10000));
    auto* box = new QSpinBox(parent);
    box->setRange(std::min(5, shown), std::max(200, shown));
    box->setSingleStep(5);
    box->setValue(shown);
    box->setSuffix(SheetLayoutTexts::tr(" px"));
    box->setAlignment(Qt::AlignRight);
    box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return box;
}

void alignFormLabels(const QList<QFormLayout*>& forms) {
    QList<QWidget*> labels;
    int widest = 0;
    for (QFormLayout* form : forms) {
        for (int row = 0; row < form->rowCount(); ++row) {
            QLayoutItem* item = form->itemAt(row, QFormLayout::LabelRole);
            if (item && item->widget()) {
                labels.append(item->widget());
                widest = qMax(widest, item->widget()->sizeHint().width());
            }
        }
    }
    for (QWidget* label : labels) {
        label->setMinimumWidth(widest);
        // The label is now wider than its text: keep the text against the field.
        if (auto* text = qobject_cast<QLabel*>(label))
            text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
}

QDialogButtonBox* makeSheetButtons(const QString& rejectText, const QString& acceptText, QWidget* parent) {
    auto* buttons = new QDialogButtonBox(parent);
    QPushButton* reject = buttons->addButton(rejectText, QDialogButtonBox::RejectRole);
    reject->setAutoDefault(false);
    QPushButton* accept = buttons->addButton(acceptText, QDialogButtonBox::AcceptRole);
    accept->setDefault(true);
    return buttons;
}

QPushButton* acceptButton(QDialogButtonBox* buttons) {
    const QList<QAbstractButton*> all = buttons->buttons();
    for (QAbstractButton* button : all)
        if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole)
            return qobject_cast<QPushButton*>(button);
    return nullptr;
}

QPushButton* rejectButton(QDialogButtonBox* buttons) {
    const QList<QAbstractButton*> all = buttons->buttons();
    for (QAbstractButton* button : all)
        if (buttons->buttonRole(button) == QDialogButtonBox::RejectRole)
            return qobject_cast<QPushButton*>(button);
    return nullptr;
}

QFormLayout* addProjectInformationSection(QBoxLayout* layout, QLineEdit* name, QLineEdit* description,
                                          QLineEdit* password, const QString& passwordLabel) {
    QFormLayout* information =
        addSheetSection(layout, QStringLiteral("doc.text"), SheetLayoutTexts::tr("Project Information"));
    name->setObjectName(QStringLiteral("projectName"));
    name->setPlaceholderText(SheetLayoutTexts::tr("Enter project name"));
    information->addRow(SheetLayoutTexts::tr("Project Name"), name);
    description->setObjectName(QStringLiteral("projectDescription"));
    description->setPlaceholderText(SheetLayoutTexts::tr("Enter project description"));
    information->addRow(SheetLayoutTexts::tr("Description"), description);
    password->setObjectName(QStringLiteral("deployPassword"));
    information->addRow(passwordLabel, password);
    return information;
}

void addEditorSettingRows(QFormLayout* form, QCheckBox* autoSave, QCheckBox* showGrid, QCheckBox* snapToGrid,
                          QSpinBox* gridSize, bool autoSaveOn, bool showGridOn, bool snapToGridOn) {
    autoSave->setObjectName(QStringLiteral("autoSave"));
    showGrid->setObjectName(QStringLiteral("showGrid"));
    snapToGrid->setObjectName(QStringLiteral("snapToGrid"));
    gridSize->setObjectName(QStringLiteral("gridSize"));
    const std::pair<QCheckBox*, bool> toggles[] = {
        {autoSave, autoSaveOn}, {showGrid, showGridOn}, {snapToGrid, snapToGridOn}};
    for (const auto& [toggle, on] : toggles) {
        toggle->setChecked(on);
        form->addRow(QString(), toggle);
    }
    form->addRow(SheetLayoutTexts::tr("Grid Size"), gridSize);
}

} // namespace vistrelle
