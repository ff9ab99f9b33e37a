#include "editor/screens_palette.h"

#include "editing/document_session.h"
#include "editor/drag_start.h"
#include "editor/sheets/screen_edit_dialog.h"
#include "editor/sheets/symbol_icon.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace vistrelle {
namespace {

QToolButton* rowButton(const QString& symbol, const QString& tooltip, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setIcon(symbolIcon(symbol));
    button->setIconSize(QSize(16, 16));
    button->setToolTip(tooltip);
    button->setAccessibleName(tooltip);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QWidget* emptyState(const QString& title, const QString& text, QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addStretch(1);
    auto* symbol = new QLabel(page);
    symbol->setAlignment(Qt::AlignCenter);
    symbol->setPixmap(symbolPixmap(QStringLiteral("rectangle.on.rectangle"), 40,
                                   page->palette().color(QPalette::PlaceholderText),
                                   page->devicePixelRatioF()));
    auto* heading = new QLabel(title, page);
    heading->setAlignment(Qt::AlignCenter);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.1);
    heading->setFont(bold);
    auto* body = new QLabel(text, page);
    body->setAlignment(Qt::AlignCenter);
    body->setWordWrap(true);
    body->setForegroundRole(QPalette::PlaceholderText);
    layout->addWidget(symbol);
    layout->addSpacing(8);
    layout->addWidget(heading);
    layout->addWidget(body);
    layout->addStretch(1);
    return page;
}

} // namespace

// --- row

PaletteScreenRowView::PaletteScreenRowView(const KioskScreen& screen, bool isFirstScreen, bool isSelected,
                                           QWidget* parent)
    : QWidget(parent)
    , screenId_(screen.id)
    , selected_(isSelected)
    , first_(isFirstScreen) {
    setFixedHeight(rowHeight);
    setAccessibleName(tr("Screen: %1").arg(screen.name));
    QString hint = tr("%1 by %2 screen with %3 components and %4 second duration")
                       .arg(screen.resolution.width)
                       .arg(screen.resolution.height)
                       .arg(screen.components.size())
                       .arg(screen.duration);
    if (isFirstScreen)
        hint += tr(". This is the main screen and cannot be deleted");
    setAccessibleDescription(hint);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(6);

    auto* handle = new QLabel(this);
    handle->setPixmap(symbolPixmap(QStringLiteral("line.3.horizontal"), 16,
                                   palette().color(QPalette::PlaceholderText), devicePixelRatioF()));
    handle->setToolTip(tr("Drag to reorder"));
    handle->setCursor(Qt::OpenHandCursor);
    layout->addWidget(handle);

    thumbnail_ = new QLabel(this);
    thumbnail_->setFixedSize(ScreenThumbnails::width, ScreenThumbnails::height);
    thumbnail_->setAlignment(Qt::AlignCenter);
    setThumbnail({});
    layout->addWidget(thumbnail_);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(1);
    auto* name = new QLabel(screen.name, this);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    name->setTextFormat(Qt::PlainText);
    const QString count =
        screen.components.size() == 1 ? tr("1 component") : tr("%1 components").arg(screen.components.size());
    // The duration first: in a narrow palette the end of the line is what gives way.
    auto* details = new QLabel(tr("%1s").arg(screen.duration) + QStringLiteral("  ·  ") + count, this);
    details->setForegroundRole(QPalette::PlaceholderText);
    // In a narrow palette the texts give way, not the buttons: they would be cut off at the edge.
    for (QLabel* label : {name, details})
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    name->setToolTip(screen.name);
    texts->addWidget(name);
    texts->addWidget(details);
    layout->addLayout(texts, 1);

    // A scheduled screen plays only at times: a clock (a bell for an alert) says so, its tip says when.
    if (screen.schedule) {
        auto* badge = new QLabel(this);
        badge->setObjectName(QStringLiteral("scheduleBadge"));
        badge->setPixmap(
            symbolPixmap(screen.schedule->alert ? QStringLiteral("bell") : QStringLiteral("clock"), 14,
                         palette().color(QPalette::WindowText), devicePixelRatioF()));
        badge->setToolTip(describeSchedule(*screen.schedule));
        badge->setAccessibleName(badge->toolTip());
        layout->addWidget(badge);
    }

    QToolButton* duplicate = rowButton(QStringLiteral("doc.on.doc"), tr("Duplicate screen"), this);
    QToolButton* remove = rowButton(QStringLiteral("trash"), tr("Delete screen"), this);
    connect(duplicate, &QToolButton::clicked, this, &PaletteScreenRowView::duplicateRequested);
    connect(remove, &QToolButton::clicked, this, &PaletteScreenRowView::deleteRequested);
    layout->addWidget(duplicate);
    layout->addWidget(remove);
}

void PaletteScreenRowView::setThumbnail(const QImage& picture) {
    showsThumbnail_ = !picture.isNull();
    if (!showsThumbnail_) {
        thumbnail_->setPixmap(symbolPixmap(
            QStringLiteral("rectangle"), 22,
            palette().color(selected_ ? QPalette::Highlight : QPalette::WindowText), devicePixelRatioF()));
        return;
    }
    // A hairline around the picture keeps a white screen apart from the row.
    QPixmap framed = QPixmap::fromImage(picture);
    {
        QPainter painter(&framed);
        QColor line = palette().color(selected_ ? QPalette::Highlight : QPalette::WindowText);
        line.setAlphaF(selected_ ? 1.0 : 0.25);
        painter.setPen(QPen(line, 1.0 * picture.devicePixelRatio()));
        painter.drawRect(QRectF(QPointF(0, 0), QSizeF(picture.size())).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    thumbnail_->setPixmap(framed);
}

void PaletteScreenRowView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor fill = palette().color(selected_ ? QPalette::Highlight : QPalette::WindowText);
    fill.setAlphaF(selected_ ? 0.18 : 0.04);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 8, 8);
}

void PaletteScreenRowView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    pressPoint_ = event->position().toPoint();
    pressed_ = true;
    emit selectRequested();
}

void PaletteScreenRowView::mouseMoveEvent(QMouseEvent* event) {
    if (!pressed_)
        return;
    const auto screenIdData = [this] {
        auto* data = new QMimeData;
        data->setData(ScreensPalette::screenIdMimeType,
                      screenId_.toString(QUuid::WithoutBraces).toUpper().toUtf8());
        return data;
    };
    if (startDragWhenMoved(*this, *event, pressPoint_, screenIdData, Qt::MoveAction))
        pressed_ = false;
}

void PaletteScreenRowView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit editRequested();
}

void PaletteScreenRowView::contextMenuEvent(QContextMenuEvent* event) {
    emit selectRequested();
    QMenu menu(this);
    menu.addAction(tr("Edit Screen…"), this, &PaletteScreenRowView::editRequested);
    menu.addSeparator();
    QAction* up = menu.addAction(tr("Move Up"), this, &PaletteScreenRowView::moveUpRequested);
    up->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Up));
    QAction* down = menu.addAction(tr("Move Down"), this, &PaletteScreenRowView::moveDownRequested);
    down->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Down));
    menu.addSeparator();
    menu.addAction(symbolIcon(QStringLiteral("doc.on.doc")), tr("Duplicate"), this,
                   &PaletteScreenRowView::duplicateRequested);
    menu.addAction(symbolIcon(QStringLiteral("trash")), tr("Delete…"), this,
                   &PaletteScreenRowView::deleteRequested);
    menu.exec(event->globalPos());
}

// --- palette

ScreensPalette::ScreensPalette(QWidget* parent)
    : QWidget(parent) {
    setMinimumSize(280, 240);
    connect(&thumbnails_, &ScreenThumbnails::thumbnailReady, this, [this](const QUuid& id) {
        for (PaletteScreenRowView* row : std::as_const(rows_))
            if (row->screenId() == id)
                row->setThumbnail(thumbnails_.thumbnail(id));
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 10, 0, 0);
    layout->setSpacing(6);

    auto* header = new QHBoxLayout;
    header->setContentsMargins(12, 0, 8, 0);
    auto* title = new QLabel(tr("Screens"), this);
    title->setObjectName(QStringLiteral("paletteHeading"));
    QFont headingFont = title->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.15);
    title->setFont(headingFont);
    addButton_ = new QToolButton(this);
    addButton_->setIcon(symbolIcon(QStringLiteral("plus.rectangle.on.rectangle")));
    addButton_->setIconSize(QSize(20, 20));
    addButton_->setAutoRaise(true);
    connect(addButton_, &QToolButton::clicked, this, [this] {
        if (session_)
            session_->addScreen();
    });
    header->addWidget(title);
    header->addStretch(1);
    header->addWidget(addButton_);
    layout->addLayout(header);

    pages_ = new QStackedWidget(this);
    noProjectPage_ =
        emptyState(tr("No Vistrelle Project Open"),
                   tr("You can see the list of screens here once you open a Vistrelle Project"), pages_);
    noScreensPage_ = emptyState(tr("No Screens"), tr("Click the + button to add your first screen"), pages_);
    listPage_ = new QScrollArea(pages_);
    listPage_->setFrameShape(QFrame::NoFrame);
    listPage_->setWidgetResizable(true);
    listPage_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_ = new QWidget;
    list_->setAcceptDrops(true);
    list_->installEventFilter(this);
    listLayout_ = new QVBoxLayout(list_);
    listLayout_->setContentsMargins(0, 0, 0, 0);
    listLayout_->setSpacing(0);
    listLayout_->addStretch(1);
    listPage_->setWidget(list_);
    pages_->addWidget(noProjectPage_);
    pages_->addWidget(noScreensPage_);
    pages_->addWidget(listPage_);
    layout->addWidget(pages_, 1);

    // Alt+Up and Alt+Down move the selected screen.
    auto* up = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Up), this);
    connect(up, &QShortcut::activated, this, [this] { moveUp(selectedIndex()); });
    auto* down = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Down), this);
    connect(down, &QShortcut::activated, this, [this] { moveDown(selectedIndex()); });

    refresh();
}

void ScreensPalette::setSession(DocumentSession* session) {
    // None again after a window closed: its pointer is already gone, yet what it showed must go too.
    if (session_ == session && session)
        return;
    if (session_)
        disconnect(session_, nullptr, this, nullptr);
    session_ = session;
    thumbnails_.clear();
    if (session)
        connect(session, &DocumentSession::changed, this, &ScreensPalette::refresh);
    refresh();
}

qint64 ScreensPalette::dropDestination(double y, qint64 count) {
    if (!std::isfinite(y))
        return -1;
    return std::min<qint64>(qint64(std::floor(y / PaletteScreenRowView::rowHeight)), count - 1);
}

void ScreensPalette::refresh() {
    const bool open = session_;
    addButton_->setToolTip(open ? tr("Add new screen") : tr("No project open"));
    addButton_->setAccessibleName(addButton_->toolTip());
    if (!open) {
        pages_->setCurrentWidget(noProjectPage_);
        rebuildRows({}, std::nullopt);
        return;
    }
    const KioskProject& project = session_->project();
    pages_->setCurrentWidget(project.screens.isEmpty() ? noScreensPage_ : static_cast<QWidget*>(listPage_));
    rebuildRows(project.screens,
                session_->selectedScreen() ? std::optional(session_->selectedScreen()->id) : std::nullopt);
    thumbnails_.setDevicePixelRatio(devicePixelRatioF());
    thumbnails_.update(project.screens);
}

void ScreensPalette::rebuildRows(const QList<KioskScreen>& screens, const std::optional<QUuid>& selected) {
    QList<RowSummary> summary;
    summary.reserve(screens.size());
    for (const KioskScreen& screen : screens)
        summary.append({screen.id, screen.name, screen.components.size(), screen.duration, screen.schedule});
    if (summary == shownRows_ && selected == shownSelection_)
        return;

    // The same screens in the same order (an edit of one screen, another selection): only the rows
    // that show something else are made again, which keeps long projects quick to edit.
    const bool sameScreens =
        summary.size() == shownRows_.size() &&
        std::equal(summary.cbegin(), summary.cend(), shownRows_.cbegin(),
                   [](const RowSummary& a, const RowSummary& b) { return a.id == b.id; });
    if (sameScreens) {
        for (qsizetype index = 0; index < screens.size(); ++index) {
            const QUuid& id = screens[index].id;
            const bool selectionChanged = (shownSelection_ == id) != (selected == id);
            if (summary[index] == shownRows_[index] && !selectionChanged)
                continue;
            PaletteScreenRowView* replacement = makeRow(screens[index], index, selected);
            delete listLayout_->replaceWidget(rows_[index], replacement); // the old row's layout item
            retire(rows_[index]);
            rows_[index] = replacement;
        }
    } else {
        for (PaletteScreenRowView* row : std::as_const(rows_))
            retire(row);
        rows_.clear();
        for (qsizetype index = 0; index < screens.size(); ++index) {
            PaletteScreenRowView* row = makeRow(screens[index], index, selected);
            listLayout_->insertWidget(listLayout_->count() - 1, row);
            rows_.append(row);
        }
    }
    shownRows_ = summary;
    shownSelection_ = selected;
}

void ScreensPalette::retire(PaletteScreenRowView* row) {
    // The row may be the one whose click led here (a selection): it goes once its event is over.
    listLayout_->removeWidget(row);
    row->hide();
    row->deleteLater();
}

PaletteScreenRowView* ScreensPalette::makeRow(const KioskScreen& screen, qsizetype index,
                                              const std::optional<QUuid>& selected) {
    auto* row = new PaletteScreenRowView(screen, index == 0, selected == screen.id, list_);
    const QUuid id = screen.id;
    row->setThumbnail(thumbnails_.thumbnail(id));
    connect(row, &PaletteScreenRowView::selectRequested, this, [this, id] {
        if (!session_)
            return;
        if (const KioskScreen* candidate = session_->findScreen(id))
            session_->setSelectedScreen(*candidate);
    });
    // Rows act on their screen as it is now, found by id (its place may have changed).
    auto withScreen = [this, id](auto action) {
        return [this, id, action] {
            if (!session_)
                return;
            const QList<KioskScreen>& screens = session_->project().screens;
            for (qsizetype i = 0; i < screens.size(); ++i)
                if (screens[i].id == id) {
                    // Once: the action may move the screen further down the list it is reading.
                    action(i, screens[i]);
                    return;
                }
        };
    };
    connect(row, &PaletteScreenRowView::duplicateRequested, this,
            withScreen([this](qsizetype, const KioskScreen& s) { session_->duplicateScreen(s.id); }));
    connect(row, &PaletteScreenRowView::deleteRequested, this,
            withScreen([this](qsizetype, const KioskScreen& s) { confirmDelete(s); }));
    connect(row, &PaletteScreenRowView::editRequested, this,
            withScreen([this](qsizetype, const KioskScreen& s) { editScreen(s); }));
    connect(row, &PaletteScreenRowView::moveUpRequested, this,
            withScreen([this](qsizetype i, const KioskScreen&) { moveUp(i); }));
    connect(row, &PaletteScreenRowView::moveDownRequested, this,
            withScreen([this](qsizetype i, const KioskScreen&) { moveDown(i); }));
    return row;
}

qsizetype ScreensPalette::selectedIndex() const {
    if (!session_ || !session_->selectedScreen())
        return -1;
    const QList<KioskScreen>& screens = session_->project().screens;
    for (qsizetype i = 0; i < screens.size(); ++i)
        if (screens[i].id == session_->selectedScreen()->id)
            return i;
    return -1;
}

void ScreensPalette::moveUp(qsizetype index) {
    // The start screen keeps the first place: the second screen cannot move up.
    if (session_ && index >= 2)
        session_->moveScreen(index, index - 1);
}

void ScreensPalette::moveDown(qsizetype index) {
    if (session_ && index >= 0 && index < session_->project().screens.size() - 1)
        session_->moveScreen(index, index + 1);
}

void ScreensPalette::confirmDelete(const KioskScreen& screen) {
    auto* box = new QMessageBox(
        QMessageBox::Warning, tr("Delete Screen"),
        tr("Are you sure you want to delete '%1'? This action cannot be undone.").arg(screen.name),
        QMessageBox::NoButton, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->addButton(tr("Cancel"), QMessageBox::RejectRole);
    QPushButton* remove = box->addButton(tr("Delete"), QMessageBox::DestructiveRole);
    // Bound to its document and screen: should another window have become active meanwhile, nothing of
    // it goes.
    const QUuid id = screen.id;
    connect(box, &QMessageBox::buttonClicked, this,
            [remove, id, target = session_](QAbstractButton* clicked) {
                if (clicked == remove && target)
                    target->deleteScreen(id);
            });
    box->open();
}

void editScreenDetails(DocumentSession& session, const KioskScreen& screen, QWidget* parent) {
    auto* dialog = new ScreenEditDialog(screen, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    const QUuid id = screen.id;
    QObject::connect(dialog, &QDialog::accepted, dialog, [dialog, id, target = QPointer(&session)] {
        const KioskScreen edited = dialog->editedScreen();
        if (target)
            target->updateScreenDetails(id, edited.name, edited.duration);
    });
    dialog->open();
}

void ScreensPalette::editScreen(const KioskScreen& screen) {
    if (session_)
        editScreenDetails(*session_, screen, this);
}

void ScreensPalette::dropScreen(const QString& screenIdText, double y) {
    const QUuid id = QUuid::fromString(screenIdText);
    if (screenIdText.isEmpty() || id.isNull() || !session_)
        return;
    const QList<KioskScreen>& screens = session_->project().screens;
    qsizetype source = -1;
    for (qsizetype i = 0; i < screens.size(); ++i)
        if (screens[i].id == id)
            source = i;
    if (source < 0)
        return;
    const qint64 destination = dropDestination(y, screens.size());
    if (destination != source)
        session_->moveScreen(source, destination);
}

bool ScreensPalette::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_) {
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (drag->mimeData()->hasFormat(screenIdMimeType)) {
                drag->acceptProposedAction();
                return true;
            }
        } else if (event->type() == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            if (drop->mimeData()->hasFormat(screenIdMimeType)) {
                drop->acceptProposedAction();
                dropScreen(QString::fromUtf8(drop->mimeData()->data(screenIdMimeType)), drop->position().y());
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vistrelle
