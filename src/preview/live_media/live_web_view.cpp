#include "preview/live_media/live_web_view.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <QWebEngineDownloadRequest>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <algorithm>
#include <optional>

#include <unistd.h>

namespace vistrelle {

namespace {

// Texts of the "WebViewComponentRenderer" catalogue context, written out where they are used so that the
// translation tools see them.
struct WebPageTexts {
    Q_DECLARE_TR_FUNCTIONS(WebViewComponentRenderer)
};

// Like any browser, a request is given up after a minute without an answer.
constexpr int requestTimeoutMs = 60'000;

// Chromium's sandbox cannot start for the root user; it is switched off for
// root only (test machines, containers), never for a person's own account.
void allowRootWithoutSandbox() {
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

} // namespace

// A page that shows untrusted content: no pop-up windows, no local files,
// script dialogs throttled to one a second, failures written to the log.
class GuardedPage : public QWebEnginePage {
public:
    GuardedPage(std::shared_ptr<QWebEngineProfile> profile, const LiveWebView::Options& options,
                QWebEngineView* view)
        : QWebEnginePage(profile.get(), view)
        , profile_(std::move(profile))
        , options_(options)
        , view_(view) {
        clock_.start();
        timeout_.setSingleShot(true);
        timeout_.setInterval(requestTimeoutMs);
        connect(&timeout_, &QTimer::timeout, this, [this] {
            triggerAction(QWebEnginePage::Stop);
            log(QStringLiteral("WebView provisional navigation failed: ") +
                WebPageTexts::tr("The request timed out."));
            if (options_.loadFailed)
                options_.loadFailed(WebPageTexts::tr("The request timed out."));
        });
        connect(this, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
            if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus) {
                timeout_.start();
                return;
            }
            timeout_.stop();
            if (info.status() != QWebEngineLoadingInfo::LoadFailedStatus)
                return;
            // Failing to reach the page at all, or failing once it answered.
            const bool beforeAnswer = info.errorDomain() == QWebEngineLoadingInfo::ConnectionErrorDomain ||
                                      info.errorDomain() == QWebEngineLoadingInfo::DnsErrorDomain ||
                                      info.errorDomain() == QWebEngineLoadingInfo::CertificateErrorDomain ||
                                      info.errorDomain() == QWebEngineLoadingInfo::HttpErrorDomain ||
                                      info.errorDomain() == QWebEngineLoadingInfo::FtpErrorDomain;
            log((beforeAnswer ? QStringLiteral("WebView provisional navigation failed: ")
                              : QStringLiteral("WebView navigation failed: ")) +
                info.errorString());
            if (options_.loadFailed)
                options_.loadFailed(info.errorString());
        });
        connect(this, &QWebEnginePage::featurePermissionRequested, this,
                [this](const QUrl& origin, QWebEnginePage::Feature feature) {
                    setFeaturePermission(origin, feature, QWebEnginePage::PermissionDeniedByUser);
                });
        connect(this, &QWebEnginePage::fullScreenRequested, this,
                [](QWebEngineFullScreenRequest request) { request.reject(); });
    }

    // The view's owner is gone while a confirmation waits: the view goes once it is answered.
    bool releaseWhenIdle() {
        released_ = true;
        if (dialogs_ == 0)
            return false;
        if (confirmation_)
            confirmation_->reject();
        return true;
    }

protected:
    QWebEnginePage* createWindow(WebWindowType) override { return nullptr; }

    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override {
        if (url.isLocalFile()) {
            log(QStringLiteral("WebView navigation failed: ") +
                WebPageTexts::tr("Local files cannot be shown."));
            return false;
        }
        if (type == NavigationTypeBackForward && !options_.allowsBackForwardNavigation)
            return false;
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    }

    void javaScriptAlert(const QUrl&, const QString& message) override {
        if (options_.unattended) {
            log(QStringLiteral("WebView alert not shown on a display: ") + message);
            return;
        }
        if (throttled())
            return;
        auto* box = new QMessageBox(QMessageBox::NoIcon, WebPageTexts::tr("Web Page Alert"), message,
                                    QMessageBox::Ok, view_ ? view_->window() : nullptr);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::WindowModal);
        box->open(); // the page goes on at once, as it does when an alert is answered
    }

    bool javaScriptConfirm(const QUrl&, const QString& message) override {
        if (options_.unattended) {
            log(QStringLiteral("WebView confirmation declined on a display: ") + message);
            return false;
        }
        if (throttled())
            return false;
        // The page waits for the answer: the engine asks for it here and now, so this one dialog
        // runs its own event loop. Whatever closes the page meanwhile leaves it to go afterwards.
        QMessageBox box(QMessageBox::NoIcon, WebPageTexts::tr("Web Page Confirmation"), message,
                        QMessageBox::Ok | QMessageBox::Cancel, view_ ? view_->window() : nullptr);
        box.setWindowModality(Qt::WindowModal);
        confirmation_ = &box;
        ++dialogs_;
        const bool accepted = box.exec() == QMessageBox::Ok;
        --dialogs_;
        confirmation_ = nullptr;
        if (released_ && dialogs_ == 0 && view_) {
            view_->deleteLater();
            return false;
        }
        return accepted && !released_;
    }

    bool javaScriptPrompt(const QUrl&, const QString&, const QString&, QString*) override { return false; }

    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int,
                                  const QString&) override {}

private:
    bool throttled() {
        const double now = double(clock_.elapsed()) / 1000.0;
        if (lastAlertTime_ && now - *lastAlertTime_ < 1.0)
            return true;
        lastAlertTime_ = now;
        return false;
    }

    void log(const QString& line) const {
        if (options_.log)
            options_.log(line);
    }

    std::shared_ptr<QWebEngineProfile> profile_; // outlives the page
    LiveWebView::Options options_;
    QPointer<QWebEngineView> view_;
    QElapsedTimer clock_;
    std::optional<double> lastAlertTime_;
    QTimer timeout_;
    QPointer<QMessageBox> confirmation_;
    int dialogs_ = 0;
    bool released_ = false;
};

WebEngineSession::WebEngineSession() {
    allowRootWithoutSandbox();
    // No storage name: off the record. Deleted later, after the pages that hold it.
    profile_ = std::shared_ptr<QWebEngineProfile>(new QWebEngineProfile,
                                                  [](QWebEngineProfile* profile) { profile->deleteLater(); });
    profile_->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    profile_->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    profile_->setSpellCheckEnabled(false);
    QObject::connect(profile_.get(), &QWebEngineProfile::downloadRequested, profile_.get(),
                     [](QWebEngineDownloadRequest* download) { download->cancel(); });
    QWebEngineSettings* settings = profile_->settings();
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanPaste, false);
    settings->setAttribute(QWebEngineSettings::AllowWindowActivationFromJavaScript, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, false);
    settings->setAttribute(QWebEngineSettings::ScreenCaptureEnabled, false);
    settings->setAttribute(QWebEngineSettings::AllowRunningInsecureContent, false);
    settings->setAttribute(QWebEngineSettings::AllowGeolocationOnInsecureOrigins, false);
    settings->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
}

WebEngineSession::~WebEngineSession() = default;

std::unique_ptr<LiveWebView> WebEngineSession::createWebView(const LiveWebView::Options& options,
                                                             QWidget* parent) {
    return std::make_unique<WebEngineView>(profile_, options, parent);
}

WebEngineView::WebEngineView(std::shared_ptr<QWebEngineProfile> profile, const Options& options,
                             QWidget* parent)
    : view_(new QWebEngineView(parent)) {
    page_ = new GuardedPage(std::move(profile), options, view_);
    view_->setPage(page_);
    view_->setContextMenuPolicy(Qt::NoContextMenu);
}

WebEngineView::~WebEngineView() {
    if (!view_)
        return;
    view_->hide();
    if (page_ && page_->releaseWhenIdle()) {
        view_->setParent(nullptr); // the page deletes it once its confirmation returns
        return;
    }
    delete view_.data();
}

QWidget* WebEngineView::widget() {
    return view_;
}

void WebEngineView::show(const QUrl& url, const QString& html) {
    if (!view_)
        return;
    if (!url.isEmpty()) {
        if (url != shownUrl_) {
            shownUrl_ = url;
            view_->load(url);
        }
        return;
    }
    if (html != lastLoadedHTML_) {
        lastLoadedHTML_ = html;
        view_->setHtml(html); // no base address: inline pages reach no local files
    }
}

QImage WebEngineView::snapshot() {
    return view_ && view_->isVisible() ? view_->grab().toImage() : QImage();
}

void WebEngineView::setZoom(double factor) {
    if (view_)
        view_->setZoomFactor(std::clamp(factor, 0.25, 5.0));
}

} // namespace vistrelle
