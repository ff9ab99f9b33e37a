#pragma once

#include <QWidget>

namespace vistrelle {

// What a display shows when no screen can play, instead of black: the product's name, what is wrong in one
// line, and the path it looks at. Drawn at the display's size, readable from across a lobby.
class StandbyCard : public QWidget {
    Q_OBJECT

public:
    explicit StandbyCard(QWidget* parent = nullptr);

    void setProblem(const QString& problem, const QString& path);
    const QString& problem() const { return problem_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString problem_;
    QString path_;
};

} // namespace vistrelle
