#include "editor/inspector/icon_picker.h"

#include "editor/sheets/symbol_icon.h"
#include "render/symbol_catalog.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QScreen>
#include <QVBoxLayout>

namespace vistrelle {

namespace {

constexpr int kCellSize = 36;
constexpr int kSymbolSize = 22;
constexpr int kSpacing = 8;
constexpr QSize kPopupSize(320, 360);

QString nameOf(const QListWidgetItem* item) {
    return item->data(Qt::UserRole).toString();
}

} // namespace

QStringList filteredIcons(const QStringList& names, const QString& searchText) {
    const QString text = searchText.trimmed();
    if (text.isEmpty())
        return names;
    const QLocale locale;
    const QString needle = locale.toLower(text);
    QStringList result;
    for (const QString& name : names)
        if (locale.toLower(name).contains(needle, Qt::CaseInsensitive))
            result.append(name);
    return result;
}

IconPicker::IconPicker(QWidget* parent)
    : QFrame(parent, Qt::Popup)
    , search_(new QLineEdit(this))
    , list_(new QListWidget(this)) {
    setFrameShape(QFrame::StyledPanel);
    resize(kPopupSize);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);

    auto* title = new QLabel(tr("Choose Icon"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);

    search_->setObjectName(QStringLiteral("iconSearch"));
    search_->setPlaceholderText(tr("Search icons..."));
    search_->setClearButtonEnabled(true);
    layout->addWidget(search_);

    list_->setObjectName(QStringLiteral("iconList"));
    list_->setViewMode(QListView::IconMode);
    list_->setMovement(QListView::Static);
    list_->setResizeMode(QListView::Adjust);
    list_->setUniformItemSizes(true);
    list_->setSpacing(kSpacing);
    list_->setIconSize(QSize(kSymbolSize, kSymbolSize));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    // The chosen symbol stands out as a light symbol on the highlight.
    list_->setStyleSheet(QStringLiteral("QListWidget::item:selected { background: palette(highlight); "
                                        "border-radius: 6px; }"));
    const QColor onHighlight = list_->palette().color(QPalette::HighlightedText);
    for (const QString& name : SymbolCatalog::shared().names()) {
        QIcon icon = symbolIcon(name);
        icon.addPixmap(symbolPixmap(name, kSymbolSize, onHighlight, devicePixelRatioF()), QIcon::Selected);
        auto* item = new QListWidgetItem(icon, QString(), list_);
        item->setData(Qt::UserRole, name);
        item->setToolTip(name);
        item->setData(Qt::AccessibleTextRole, name);
        item->setSizeHint(QSize(kCellSize, kCellSize));
    }
    layout->addWidget(list_, 1);

    connect(search_, &QLineEdit::textChanged, this, &IconPicker::applyFilter);
    connect(search_, &QLineEdit::returnPressed, this, &IconPicker::chooseCurrent);
    connect(list_, &QListWidget::itemClicked, this, &IconPicker::choose);
    connect(list_, &QListWidget::itemActivated, this, &IconPicker::choose);
}

void IconPicker::popup(const QPoint& globalPosition, const QString& currentName) {
    search_->clear(); // shows every symbol again

    QListWidgetItem* current = nullptr;
    for (int row = 0; row < list_->count() && !current; ++row)
        if (nameOf(list_->item(row)) == currentName)
            current = list_->item(row);
    list_->clearSelection();
    if (current)
        list_->setCurrentItem(current);

    QPoint position = globalPosition;
    if (const QScreen* screen = QGuiApplication::screenAt(globalPosition)) {
        const QRect available = screen->availableGeometry();
        position.setX(
            qBound(available.left(), position.x(), qMax(available.left(), available.right() - width())));
        position.setY(
            qBound(available.top(), position.y(), qMax(available.top(), available.bottom() - height())));
    }
    move(position);
    show();
    search_->setFocus();
    if (current)
        list_->scrollToItem(current, QAbstractItemView::PositionAtCenter);
}

void IconPicker::applyFilter(const QString& searchText) {
    const QStringList shown = filteredIcons(SymbolCatalog::shared().names(), searchText);
    // Both lists are in catalogue order, so one pass matches them.
    qsizetype next = 0;
    QListWidgetItem* firstShown = nullptr;
    for (int row = 0; row < list_->count(); ++row) {
        QListWidgetItem* item = list_->item(row);
        const bool visible = next < shown.size() && shown.at(next) == nameOf(item);
        if (visible) {
            ++next;
            if (!firstShown)
                firstShown = item;
        }
        item->setHidden(!visible);
    }
    // Return in the search field chooses the selection, so keep it on a shown symbol.
    QListWidgetItem* current = list_->currentItem();
    if ((!current || current->isHidden()) && firstShown)
        list_->setCurrentItem(firstShown);
    if (list_->currentItem() && !list_->currentItem()->isHidden())
        list_->scrollToItem(list_->currentItem());
}

void IconPicker::chooseCurrent() {
    QListWidgetItem* current = list_->currentItem();
    if (current && !current->isHidden())
        choose(current);
}

void IconPicker::choose(QListWidgetItem* item) {
    // Styles that activate on a single click report a click twice (clicked and activated).
    if (!item || !isVisible())
        return;
    const QString name = nameOf(item);
    close();
    emit iconChosen(name);
}

} // namespace vistrelle
