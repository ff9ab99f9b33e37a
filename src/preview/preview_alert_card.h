#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace vistrelle {

// The in-player alert: a card with a title, a message and "OK" over a dimmed
// window. A click beside the card, "OK" or Return dismisses it.
class PreviewAlertCard : public QWidget {
    Q_OBJECT

public:
    explicit PreviewAlertCard(QWidget* parent = nullptr);

    void present(const QString& title, const QString& message);

signals:
    void dismissed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeCard();

    QWidget* card_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* message_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace vistrelle
