#include "editor/sheets/publish_sheet.h"

#include "editor/sheets/sheet_layout.h"
#include "platform/preferences.h"
#include "publish/channel_publisher.h"
#include "publish/signing.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace vistrelle {

namespace {

QString preferenceKey(const QString& what, const QString& project) {
    return QStringLiteral("publish%1.%2")
        .arg(what, QString::fromLatin1(project.toUtf8().toBase64(QByteArray::Base64UrlEncoding)));
}

} // namespace

PublishSheet::PublishSheet(const KioskProject& project, const QString& projectKey,
                           const DeployOptions& options, QWidget* parent)
    : QDialog(parent)
    , project_(project)
    , projectKey_(projectKey)
    , options_(options) {
    setWindowTitle(tr("Publish to Channel"));
    setWindowModality(Qt::WindowModal);
    auto* layout = new QVBoxLayout(this);
    auto* intro = makeNoteLabel(tr("Every display that follows the channel plays the new show from its next "
                                   "screen, once it has checked the signature."),
                                this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* form = new QFormLayout;
    destination_ =
        new QLineEdit(Preferences::value(preferenceKey("Destination", projectKey_)).toString(), this);
    destination_->setObjectName(QStringLiteral("publishDestination"));
    destination_->setPlaceholderText(tr("A folder, or http://server/signage/"));
    auto* chooseFolder = new QPushButton(tr("Choose…"), this);
    connect(chooseFolder, &QPushButton::clicked, this, [this] {
        const QString folder =
            QFileDialog::getExistingDirectory(this, tr("Publish Into"), destination_->text());
        if (!folder.isEmpty())
            destination_->setText(folder);
    });
    auto* destinationRow = new QHBoxLayout;
    destinationRow->addWidget(destination_, 1);
    destinationRow->addWidget(chooseFolder);
    form->addRow(tr("Destination"), destinationRow);

    channel_ = new QLineEdit(
        Preferences::value(preferenceKey("Channel", projectKey_), QStringLiteral("lobby")).toString(), this);
    channel_->setObjectName(QStringLiteral("publishChannel"));
    form->addRow(tr("Channel"), channel_);

    keyFile_ = new QLineEdit(Preferences::value(preferenceKey("KeyFile", projectKey_)).toString(), this);
    keyFile_->setObjectName(QStringLiteral("publishKeyFile"));
    keyFile_->setPlaceholderText(tr("The private key that signs the channel"));
    auto* chooseKey = new QPushButton(tr("Choose…"), this);
    connect(chooseKey, &QPushButton::clicked, this, [this] {
        const QString file = QFileDialog::getOpenFileName(this, tr("Signing Key"), keyFile_->text());
        if (!file.isEmpty())
            keyFile_->setText(file);
    });
    auto* newKey = new QPushButton(tr("New Key…"), this);
    connect(newKey, &QPushButton::clicked, this, [this] {
        const QString file =
            QFileDialog::getSaveFileName(this, tr("New Signing Key"), QStringLiteral("channel.key"));
        if (!file.isEmpty())
            makeKey(file);
    });
    auto* keyRow = new QHBoxLayout;
    keyRow->addWidget(keyFile_, 1);
    keyRow->addWidget(chooseKey);
    keyRow->addWidget(newKey);
    form->addRow(tr("Key File"), keyRow);

    publicKey_ = new QLineEdit(this);
    publicKey_->setObjectName(QStringLiteral("publicKey"));
    publicKey_->setReadOnly(true);
    publicKey_->setPlaceholderText(tr("Choose a key file, or make one with New Key…"));
    auto* copy = new QPushButton(tr("Copy"), this);
    connect(copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(publicKey_->text()); });
    auto* publicRow = new QHBoxLayout;
    publicRow->addWidget(publicKey_, 1);
    publicRow->addWidget(copy);
    form->addRow(tr("Displays trust"), publicRow);
    layout->addLayout(form);
    connect(keyFile_, &QLineEdit::textChanged, this, &PublishSheet::showPublicKey);
    showPublicKey();

    auto* buttons = new QHBoxLayout;
    publish_ = new QPushButton(tr("Publish"), this);
    publish_->setDefault(true);
    connect(publish_, &QPushButton::clicked, this, &PublishSheet::publish);
    auto* close = new QPushButton(tr("Close"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addStretch(1);
    buttons->addWidget(close);
    buttons->addWidget(publish_);
    layout->addLayout(buttons);

    progress_ = new QProgressBar(this);
    progress_->setRange(0, 1000);
    progress_->setTextVisible(false);
    progress_->setVisible(false);
    layout->addWidget(progress_);
    outcome_ = new QLabel(this);
    outcome_->setObjectName(QStringLiteral("publishOutcome"));
    outcome_->setWordWrap(true);
    outcome_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(outcome_);
    log_ = new QListWidget(this);
    log_->setMinimumHeight(120);
    log_->setSelectionMode(QAbstractItemView::NoSelection);
    log_->setVisible(false);
    layout->addWidget(log_, 1);
    resize(560, sizeHint().height());

    connect(&manager_, &KioskDeployManager::stepReached, this, [this](double value, const QString& message) {
        progress_->setValue(int(value * 600));
        say(message);
    });
    connect(&manager_, &KioskDeployManager::finished, this, &PublishSheet::deployed);
    connect(&publishing_watcher_, &QFutureWatcher<QString>::finished, this, &PublishSheet::published);
}

PublishSheet::~PublishSheet() {
    publishing_watcher_.waitForFinished();
}

QString PublishSheet::outcome() const {
    return outcome_->text();
}

void PublishSheet::showPublicKey() {
    const auto key = readPrivateKeyFile(keyFile_->text());
    const QByteArray* secret = std::get_if<QByteArray>(&key);
    publicKey_->setText(secret ? publicKeyText(publicKeyOf(*secret)) : QString());
}

void PublishSheet::makeKey(const QString& path) {
    if (const std::optional<QString> failure = writePrivateKeyFile(path, generateSigningKeys())) {
        fail(tr("The key could not be made: %1").arg(*failure));
        return;
    }
    keyFile_->setText(path);
}

void PublishSheet::remember() const {
    // The key file's place, never the key.
    Preferences::setValues({{preferenceKey("Destination", projectKey_), destination_->text()},
                            {preferenceKey("Channel", projectKey_), channel_->text()},
                            {preferenceKey("KeyFile", projectKey_), keyFile_->text()}});
}

void PublishSheet::say(const QString& line) {
    log_->setVisible(true);
    log_->addItem(line);
    log_->scrollToBottom();
}

void PublishSheet::fail(const QString& message) {
    publishing_ = false;
    publish_->setEnabled(true);
    progress_->setVisible(false);
    outcome_->setText(tr("Publishing failed: %1").arg(message));
    emit finished();
}

void PublishSheet::publish() {
    if (publishing_)
        return;
    if (destination_->text().trimmed().isEmpty() || channel_->text().trimmed().isEmpty()) {
        fail(tr("Give a destination and a channel."));
        return;
    }
    if (publicKey_->text().isEmpty()) {
        fail(tr("Choose the key file that signs the channel, or make one with New Key…."));
        return;
    }
    remember();
    publishing_ = true;
    publish_->setEnabled(false);
    progress_->setVisible(true);
    progress_->setValue(0);
    outcome_->clear();
    log_->clear();
    staging_ = std::make_unique<QTemporaryDir>();
    DeployOptions options = options_;
    options.exportFlat = false;
    manager_.deploy(project_, staging_->path(), options);
}

void PublishSheet::deployed() {
    if (manager_.deployStatus().kind != DeployStatus::Kind::success) {
        fail(manager_.deployStatus().message);
        return;
    }
    const QString bundle = manager_.destinationURL().toLocalFile();
    const QString destination = destination_->text().trimmed();
    const QString channel = channel_->text().trimmed();
    // The key file may have changed while the show was deployed: read it now, and say so if it is no key.
    const auto key = readPrivateKeyFile(keyFile_->text());
    if (const auto* problem = std::get_if<QString>(&key)) {
        staging_.reset();
        fail(*problem);
        return;
    }
    const QByteArray secret = std::get<QByteArray>(key);
    QPointer<PublishSheet> self(this);
    const PublishLog log = [self](const QString& line) {
        QMetaObject::invokeMethod(qApp, [self, line] {
            if (self)
                self->say(line);
        });
    };
    publishing_watcher_.setFuture(QtConcurrent::run([bundle, destination, channel, secret, log]() -> QString {
        try {
            publishToDestination(bundle, destination, channel, secret, log);
        } catch (const PublishError& error) {
            return error.message;
        }
        return {};
    }));
}

void PublishSheet::published() {
    const QString problem = publishing_watcher_.result();
    staging_.reset();
    if (!problem.isEmpty()) {
        fail(problem);
        return;
    }
    publishing_ = false;
    publish_->setEnabled(true);
    progress_->setValue(1000);
    outcome_->setText(tr("Published. Displays that follow “%1” switch at their next poll.")
                          .arg(channel_->text().trimmed()));
    emit finished();
}

} // namespace vistrelle
