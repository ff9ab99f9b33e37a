#include "editor/inspector/inspector_section.h"

#include "editor/sheets/sheet_layout.h"
#include "editor/sheets/symbol_icon.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace vistrelle {

namespace {

constexpr int sectionSymbolSize = 16;
constexpr int headerSymbolSize = 28;

void setBold(QLabel* label, qreal scale = 1.0) {
    QFont font = label->font();
    font.setBold(true);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * scale);
    label->setFont(font);
}

} // namespace

InspectorSection::InspectorSection(const QString& symbolName, const QString& title, QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    auto* heading = new QHBoxLayout;
    heading->setSpacing(6);
    auto* symbol = new QLabel(this);
    symbol->setFixedSize(sectionSymbolSize, sectionSymbolSize);
    symbol->setPixmap(symbolPixmap(symbolName, sectionSymbolSize, palette().color(QPalette::Highlight),
                                   devicePixelRatioF()));
    auto* titleLabel = new QLabel(title, this);
    titleLabel->setObjectName(QStringLiteral("sectionTitle"));
    setBold(titleLabel);
    heading->addWidget(symbol);
    heading->addWidget(titleLabel, 1);
    layout->addLayout(heading);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Plain);
    form_ = new QFormLayout(frame);
    form_->setContentsMargins(10, 8, 10, 8);
    form_->setHorizontalSpacing(10);
    form_->setVerticalSpacing(8);
    form_->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form_->setRowWrapPolicy(QFormLayout::DontWrapRows);
    layout->addWidget(frame);
}

void InspectorSection::addRow(const QString& label, QWidget* field) {
    if (label.isEmpty())
        form_->addRow(field);
    else
        form_->addRow(label, field);
}

InspectorContextHeader::InspectorContextHeader(QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->setSpacing(10);
    symbol_ = new QLabel(this);
    symbol_->setFixedSize(headerSymbolSize + 8, headerSymbolSize + 8);
    symbol_->setAlignment(Qt::AlignCenter);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(0);
    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("inspectorTitle"));
    setBold(title_, 1.25);
    detail_ = makeNoteLabel(QString(), this);
    texts->addWidget(title_);
    texts->addWidget(detail_);
    layout->addWidget(symbol_);
    layout->addLayout(texts, 1);
}

void InspectorContextHeader::show(const QString& symbolName, const QString& title, const QString& detail) {
    if (symbolName != shownSymbol_) {
        symbol_->setPixmap(symbolPixmap(symbolName, headerSymbolSize, palette().color(QPalette::Highlight),
                                        devicePixelRatioF()));
        shownSymbol_ = symbolName;
    }
    title_->setText(title);
    detail_->setText(detail);
}

QWidget* makeInspectorMessage(const QString& symbolName, const QString& title, const QString& text,
                              QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(8);
    layout->addStretch();
    auto* symbol = new QLabel(page);
    symbol->setAlignment(Qt::AlignCenter);
    symbol->setPixmap(symbolPixmap(symbolName, 48, page->palette().color(QPalette::PlaceholderText),
                                   page->devicePixelRatioF()));
    auto* titleLabel = new QLabel(title, page);
    titleLabel->setAlignment(Qt::AlignCenter);
    setBold(titleLabel, 1.15);
    QLabel* line = makeNoteLabel(text, page);
    line->setAlignment(Qt::AlignCenter);
    line->setWordWrap(true);
    layout->addWidget(symbol);
    layout->addWidget(titleLabel);
    layout->addWidget(line);
    layout->addStretch();
    return page;
}

} // namespace vistrelle
