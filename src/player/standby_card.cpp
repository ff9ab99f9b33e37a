#include "player/standby_card.h"

#include <QPainter>

#include <algorithm>

namespace vistrelle {

StandbyCard::StandbyCard(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void StandbyCard::setProblem(const QString& problem, const QString& path) {
    // "What is wrong: /the/path" reads better as the sentence, with the path on a line of its own below.
    const qsizetype split = problem.lastIndexOf(QStringLiteral(": /"));
    problem_ = split > 0 ? problem.left(split) + u'.' : problem;
    path_ = split > 0 ? problem.mid(split + 2) : path;
    update();
}

void StandbyCard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x1C, 0x1C, 0x1E));
    painter.setRenderHint(QPainter::Antialiasing);
    // Sizes follow the display: a 1080p panel gets a 64 px name.
    const double unit = std::max(8.0, std::min(width(), height()) / 135.0);
    const QRectF column(width() * 0.1, 0, width() * 0.8, height());
    QFont name = font();
    name.setPixelSize(int(unit * 8));
    name.setBold(true);
    QFont body = font();
    body.setPixelSize(int(unit * 3.5));
    QFont small = font();
    small.setPixelSize(int(unit * 2.5));

    const QFontMetricsF nameMetrics(name);
    const QFontMetricsF bodyMetrics(body);
    const QRectF problemBox = bodyMetrics.boundingRect(column, Qt::AlignHCenter | Qt::TextWordWrap, problem_);
    const double total = nameMetrics.height() + unit * 4 + problemBox.height() + unit * 3 + unit * 3;
    double y = (height() - total) / 2;

    painter.setFont(name);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(column.left(), y, column.width(), nameMetrics.height()), Qt::AlignHCenter,
                     tr("Vistrelle Player"));
    y += nameMetrics.height() + unit * 4;
    painter.setFont(body);
    painter.setPen(QColor(0xE5, 0xE5, 0xEA));
    painter.drawText(QRectF(column.left(), y, column.width(), problemBox.height()),
                     Qt::AlignHCenter | Qt::TextWordWrap, problem_);
    y += problemBox.height() + unit * 3;
    painter.setFont(small);
    painter.setPen(QColor(0x8E, 0x8E, 0x93));
    painter.drawText(QRectF(column.left(), y, column.width(), unit * 4),
                     Qt::AlignHCenter | Qt::TextWrapAnywhere, path_);
}

} // namespace vistrelle
