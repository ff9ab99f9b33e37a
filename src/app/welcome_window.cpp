#include "app/welcome_window.h"

#include "editor/sheets/symbol_icon.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vistrelle {
namespace {

QLabel* featureLine(const QString& symbol, const QString& text, QWidget* parent, QVBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    row->setSpacing(12);
    auto* icon = new QLabel(parent);
    icon->setPixmap(symbolIcon(symbol).pixmap(22, 22));
    icon->setFixedSize(26, 26);
    icon->setAlignment(Qt::AlignCenter);
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    row->addWidget(icon, 0, Qt::AlignVCenter);
    row->addWidget(label, 1);
    layout->addLayout(row);
    return label;
}

// "~/Signs/lobby" for a file in the home folder: shorter and still exact.
QString shownFolder(const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    const QString home = QDir::homePath();
    if (folder == home)
        return QStringLiteral("~");
    if (folder.startsWith(home + u'/'))
        return QStringLiteral("~") + folder.mid(home.size());
    return folder;
}

} // namespace

WelcomeWindow::WelcomeWindow(QWidget* parent)
    : QWidget(parent) {
    setObjectName(identifier);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Welcome to Vistrelle"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 28, 36, 24);
    layout->setSpacing(10);

    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::windowIcon().pixmap(88, 88));
    icon->setAlignment(Qt::AlignCenter);
    layout->addWidget(icon);

    auto* title = new QLabel(tr("Welcome to Vistrelle"), this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.9);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);

    auto* line = new QLabel(tr("Create and deploy digital signage screens"), this);
    line->setAlignment(Qt::AlignCenter);
    line->setForegroundRole(QPalette::PlaceholderText);
    layout->addWidget(line);
    layout->addSpacing(14);

    featureLine(QStringLiteral("display"), tr("Lay out screens at the exact resolution of your display"),
                this, layout);
    featureLine(QStringLiteral("photo"), tr("Images, titles, rich text, videos, web pages, shapes and icons"),
                this, layout);
    featureLine(QStringLiteral("play"), tr("Preview the whole show full screen before it goes live"), this,
                layout);
    featureLine(QStringLiteral("paperplane"), tr("Deploy projects with Vistrelle Player"), this, layout);
    layout->addSpacing(14);

    auto* actions = new QHBoxLayout;
    newProject_ = new QPushButton(symbolIcon(QStringLiteral("plus")), tr("New Project"), this);
    newProject_->setObjectName(QStringLiteral("newProject"));
    auto* open = new QPushButton(symbolIcon(QStringLiteral("folder")), tr("Open…"), this);
    open->setObjectName(QStringLiteral("open"));
    actions->addWidget(newProject_, 1);
    actions->addWidget(open, 1);
    layout->addLayout(actions);

    recentTitle_ = new QLabel(tr("Recent Projects"), this);
    QFont recentFont = recentTitle_->font();
    recentFont.setBold(true);
    recentTitle_->setFont(recentFont);
    layout->addSpacing(6);
    layout->addWidget(recentTitle_);
    recent_ = new QListWidget(this);
    recent_->setObjectName(QStringLiteral("recentProjects"));
    recent_->setIconSize(QSize(20, 20));
    recent_->setUniformItemSizes(true);
    recent_->setMinimumHeight(96);
    layout->addWidget(recent_, 1);

    getStarted_ = new QPushButton(tr("Get Started"), this);
    getStarted_->setObjectName(QStringLiteral("getStarted"));
    getStarted_->setDefault(true);
    getStarted_->setMinimumHeight(34);
    layout->addSpacing(6);
    layout->addWidget(getStarted_);

    connect(getStarted_, &QPushButton::clicked, this, &WelcomeWindow::getStartedClicked);
    connect(newProject_, &QPushButton::clicked, this, &WelcomeWindow::newProjectRequested);
    connect(open, &QPushButton::clicked, this, &WelcomeWindow::openRequested);
    // One click opens, as on a start page; Return on the keyboard too.
    connect(recent_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        emit recentProjectRequested(item->data(Qt::UserRole).toString());
    });
    connect(recent_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        emit recentProjectRequested(item->data(Qt::UserRole).toString());
    });

    setFirstStart(true);
    setRecentProjects({});
}

void WelcomeWindow::setFirstStart(bool firstStart) {
    getStarted_->setVisible(firstStart);
    newProject_->setDefault(!firstStart);
    getStarted_->setDefault(firstStart);
}

void WelcomeWindow::setRecentProjects(const QStringList& paths) {
    recent_->clear();
    for (const QString& path : paths) {
        const QFileInfo file(path);
        if (!file.exists())
            continue;
        auto* item = new QListWidgetItem(
            symbolIcon(QStringLiteral("doc")),
            file.completeBaseName() + QStringLiteral("  —  ") + shownFolder(path), recent_);
        item->setData(Qt::UserRole, file.absoluteFilePath());
        item->setToolTip(file.absoluteFilePath());
    }
    const bool any = recent_->count() > 0;
    recentTitle_->setVisible(any);
    recent_->setVisible(any);
    if (any)
        recent_->setCurrentRow(0);
    // Without the list the page is only as tall as its content, not stretched apart.
    layout()->activate();
    resize(480, any ? 560 : sizeHint().height());
}

void WelcomeWindow::closeEvent(QCloseEvent* event) {
    if (event->spontaneous())
        emit dismissed();
    QWidget::closeEvent(event);
}

} // namespace vistrelle
