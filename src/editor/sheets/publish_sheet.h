#pragma once

#include "export/kiosk_deploy_manager.h"
#include "model/project_model.h"

#include <QDialog>
#include <QFutureWatcher>

#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTemporaryDir;

namespace vistrelle {

// "Publish to Channel…": the show deployed and published into a channel that many displays follow — a
// destination (a folder, or a WebDAV address), a channel name and the private key file that signs it, all
// three remembered per project in the preferences (never the key itself, and nothing in the document). Shows
// the public key the displays must trust, and every step as it happens. Window-modal, opened with open().
class PublishSheet : public QDialog {
    Q_OBJECT

public:
    // `projectKey` names the project in the preferences (its file, or its name while it has none).
    PublishSheet(const KioskProject& project, const QString& projectKey, const DeployOptions& options,
                 QWidget* parent = nullptr);
    ~PublishSheet() override;

    // Publishes with what the fields say, as "Publish" does.
    void publish();
    bool isPublishing() const { return publishing_; }
    QString outcome() const;

    // Makes a key pair at `path` and takes it, as "New Key…" does after its file dialog.
    void makeKey(const QString& path);

signals:
    void finished();

private:
    void showPublicKey();
    void remember() const;
    void deployed();
    void published();
    void fail(const QString& message);
    void say(const QString& line);

    KioskProject project_;
    QString projectKey_;
    DeployOptions options_;
    QLineEdit* destination_ = nullptr;
    QLineEdit* channel_ = nullptr;
    QLineEdit* keyFile_ = nullptr;
    QLineEdit* publicKey_ = nullptr;
    QPushButton* publish_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* outcome_ = nullptr;
    QListWidget* log_ = nullptr;
    KioskDeployManager manager_;
    std::unique_ptr<QTemporaryDir> staging_;
    QFutureWatcher<QString> publishing_watcher_;
    bool publishing_ = false;
};

} // namespace vistrelle
