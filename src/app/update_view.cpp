#include "app/update_view.h"

#include "editor/sheets/sheet_layout.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vistrelle {

UpdateView::UpdateView(UpdateInfo update, QWidget* parent)
    : QDialog(parent)
    , update_(std::move(update))
    , openUrl_([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
    setWindowTitle(tr("Update Available"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 16);
    layout->setSpacing(12);
    layout->addWidget(makeSheetHeader(tr("Update Available"), QString(), this));

    // The version and the notes come from the network: shown as plain text, never as markup.
    auto* version = new QLabel(tr("Version %1").arg(update_.version), this);
    version->setObjectName(QStringLiteral("version"));
    version->setTextFormat(Qt::PlainText);
    version->setWordWrap(true);
    layout->addWidget(version);

    if (update_.releaseNotes) {
        auto* notes = new QPlainTextEdit(*update_.releaseNotes, this);
        notes->setObjectName(QStringLiteral("releaseNotes"));
        notes->setReadOnly(true);
        notes->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        notes->setFrameShape(QFrame::StyledPanel);
        // Room for a few lines; longer notes scroll instead of stretching the sheet.
        notes->setFixedHeight(notes->fontMetrics().lineSpacing() * 6 + 2 * notes->frameWidth() + 8);
        layout->addWidget(notes);
    }

    layout->addStretch();
    QDialogButtonBox* buttons = makeSheetButtons(tr("Cancel"), tr("Download"), this);
    download_ = acceptButton(buttons);
    cancel_ = rejectButton(buttons);
    download_->setObjectName(QStringLiteral("download"));
    cancel_->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &UpdateView::download);
    connect(buttons, &QDialogButtonBox::rejected, this, &UpdateView::reject);
    layout->addWidget(buttons);

    setMinimumWidth(360);
}

void UpdateView::download() {
    // An address that does not parse, or names no scheme, cannot be opened: the sheet just closes.
    const QUrl url(update_.downloadURL, QUrl::StrictMode);
    if (url.isValid() && !url.scheme().isEmpty() && openUrl_)
        openUrl_(url);
    accept();
}

} // namespace vistrelle
