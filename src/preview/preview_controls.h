#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

namespace vistrelle {

// The preview's small bar in the top-right corner: zoom out, the zoom in
// percent, zoom in, and close.
class PreviewControls : public QWidget {
    Q_OBJECT

public:
    explicit PreviewControls(QWidget* parent = nullptr);

    void setZoomLabel(const QString& text);
    // Whether the screen is fitted to the window: the size button then offers 100 %, else the fit.
    void setFitting(bool fitting);

signals:
    void zoomOutClicked();
    void zoomInClicked();
    void actualSizeClicked();
    void fitClicked();
    void closeClicked();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QToolButton* addButton(const QString& symbol, int symbolSize, const QString& tip);

    QLabel* zoomLabel_ = nullptr;
    QToolButton* sizeButton_ = nullptr;
    bool fitting_ = true;
};

} // namespace vistrelle
