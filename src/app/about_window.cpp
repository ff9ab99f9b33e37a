#include "app/about_window.h"

#include "app/update_checker.h"
#include "app/update_view.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vistrelle {
namespace {

constexpr int kIconSize = 96;
constexpr int kWindowWidth = 440;

// The symbols' licence, compiled in beside them.
QString symbolLicenceText() {
    QFile file(QStringLiteral(":/symbols/LICENSE"));
    if (file.open(QIODevice::ReadOnly)) {
        // The file is wrapped for a terminal; the text box wraps it for its own width instead.
        QStringList paragraphs = QString::fromUtf8(file.readAll()).trimmed().split(QStringLiteral("\n\n"));
        for (QString& paragraph : paragraphs)
            paragraph = paragraph.simplified();
        return paragraphs.join(QStringLiteral("\n\n"));
    }
    return AboutWindow::tr("The symbols are used under the MIT licence.");
}

QLabel* makeLabel(const QString& text, qreal scale, bool bold, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignHCenter);
    QFont font = label->font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * scale);
    else
        font.setPixelSize(qRound(font.pixelSize() * scale));
    font.setBold(bold);
    label->setFont(font);
    return label;
}

} // namespace

AboutWindow::AboutWindow(UpdateChecker* checker, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , checker_(checker ? checker : new UpdateChecker(updateFileAddress(), this))
    , checkButton_(new QPushButton(tr("Check for Updates..."), this))
    , status_(new QLabel(this)) {
    checker_->setParent(this);
    setObjectName(QStringLiteral("about"));
    setWindowTitle(tr("About Vistrelle"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 20);
    layout->setSpacing(6);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setFixedSize(kIconSize, kIconSize);
    icon->setPixmap(QApplication::windowIcon().pixmap(QSize(kIconSize, kIconSize), devicePixelRatioF()));
    layout->addWidget(icon, 0, Qt::AlignHCenter);
    layout->addSpacing(6);

    layout->addWidget(makeLabel(QStringLiteral("Vistrelle"), 1.8, true, this));
    layout->addWidget(makeLabel(tr("Version %1").arg(QApplication::applicationVersion()), 1.0, false, this));
    layout->addSpacing(6);
    layout->addWidget(
        makeLabel(tr("Digital signage slide shows, from layout to deployment."), 1.0, false, this));
    layout->addWidget(makeLabel(tr("© 2026 Quendrix"), 0.9, false, this));
    layout->addSpacing(10);

    checkButton_->setObjectName(QStringLiteral("checkForUpdates"));
    checkButton_->setAutoDefault(false);
    connect(checkButton_, &QPushButton::clicked, this, &AboutWindow::checkForUpdates);
    layout->addWidget(checkButton_, 0, Qt::AlignHCenter);
    // One line under the button for "checking" and "latest version", kept even while empty so the
    // window does not jump.
    status_->setObjectName(QStringLiteral("updateStatus"));
    status_->setAlignment(Qt::AlignHCenter);
    status_->setWordWrap(true);
    status_->setForegroundRole(QPalette::PlaceholderText);
    status_->setMinimumHeight(status_->fontMetrics().lineSpacing());
    layout->addWidget(status_);
    layout->addSpacing(10);

    layout->addWidget(makeLabel(
        tr("Built with Qt 6, used under the GNU LGPL v3. The symbols come from a symbol set licensed "
           "under the MIT licence."),
        0.9, false, this));
    layout->addSpacing(6);
    auto* licencesHeading = makeLabel(tr("Licences"), 1.0, true, this);
    licencesHeading->setAlignment(Qt::AlignLeft);
    layout->addWidget(licencesHeading);
    auto* licences = new QPlainTextEdit(symbolLicenceText(), this);
    licences->setObjectName(QStringLiteral("licences"));
    licences->setReadOnly(true);
    licences->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    licences->setFixedHeight(licences->fontMetrics().lineSpacing() * 8 + 2 * licences->frameWidth() + 8);
    layout->addWidget(licences);

    setFixedWidth(kWindowWidth);
    fitHeight();
}

void AboutWindow::showEvent(QShowEvent* event) {
    // Fonts may change when the style polishes the labels on first show.
    fitHeight();
    QWidget::showEvent(event);
}

void AboutWindow::fitHeight() {
    // Word-wrapped labels take their height from the fixed width, which a top-level window does not
    // work out on its own.
    const int height = layout()->hasHeightForWidth() ? layout()->heightForWidth(kWindowWidth)
                                                     : layout()->sizeHint().height();
    setMinimumHeight(height);
    if (this->height() < height)
        resize(kWindowWidth, height);
}

void AboutWindow::checkForUpdates() {
    if (checkingUpdate_)
        return;
    checkingUpdate_ = true;
    showNoUpdateMessage_ = false;
    checkButton_->setEnabled(false);
    status_->setText(tr("Checking for updates…"));
    fitHeight();
    // The checker is this window's child: it cannot answer after the window is gone.
    checker_->checkForUpdates([this](std::optional<UpdateInfo> update) { showResult(update); });
}

void AboutWindow::showResult(const std::optional<UpdateInfo>& update) {
    checkingUpdate_ = false;
    checkButton_->setEnabled(true);
    updateInfo_ = update;
    if (!update) {
        showNoUpdateMessage_ = true;
        status_->setText(tr("You're using the latest version"));
        fitHeight();
        return;
    }
    status_->clear();
    if (updateView_)
        updateView_->close();
    auto* view = new UpdateView(*update, this);
    updateView_ = view;
    view->open();
}

} // namespace vistrelle
