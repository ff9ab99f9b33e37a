#pragma once

#include "app/update_check.h"

#include <QDialog>
#include <QUrl>

#include <functional>
#include <utility>

class QPushButton;

namespace vistrelle {

// The sheet that announces a newer version: its number, its release notes when there are any, and a
// "Download" button that opens the download address in the browser. It deletes itself when closed;
// show it with open().
class UpdateView : public QDialog {
    Q_OBJECT

public:
    // Opens an address outside the application; returns whether it could.
    using UrlOpener = std::function<bool(const QUrl&)>;

    explicit UpdateView(UpdateInfo update, QWidget* parent = nullptr);

    const UpdateInfo& update() const { return update_; }
    // Replaces the system's URL opener (for tests).
    void setUrlOpener(UrlOpener opener) { openUrl_ = std::move(opener); }

    QPushButton* downloadButton() const { return download_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    void download();

    UpdateInfo update_;
    UrlOpener openUrl_;
    QPushButton* download_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace vistrelle
