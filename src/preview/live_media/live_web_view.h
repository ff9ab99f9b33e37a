#pragma once

#include "preview/live_media.h"

#include <QPointer>

class QWebEngineProfile;
class QWebEngineView;

namespace vistrelle {

class GuardedPage;

// The profile every page of one preview uses: off the record, so nothing is
// stored, with what untrusted pages may do turned off.
class WebEngineSession : public LiveWebSession {
public:
    WebEngineSession();
    ~WebEngineSession() override;
    std::unique_ptr<LiveWebView> createWebView(const LiveWebView::Options& options, QWidget* parent) override;

private:
    std::shared_ptr<QWebEngineProfile> profile_;
};

class WebEngineView : public LiveWebView {
public:
    WebEngineView(std::shared_ptr<QWebEngineProfile> profile, const Options& options, QWidget* parent);
    ~WebEngineView() override;

    QWidget* widget() override;
    void show(const QUrl& url, const QString& html) override;
    QImage snapshot() override;
    void setZoom(double factor) override;

private:
    QPointer<QWebEngineView> view_;
    QPointer<GuardedPage> page_;
    QUrl shownUrl_;
    QString lastLoadedHTML_;
};

} // namespace vistrelle
