#pragma once

#include <QFrame>

class QFormLayout;
class QLabel;
class QVBoxLayout;

namespace vistrelle {

// One titled group of the inspector: a symbol and a bold title over a framed
// form whose labels sit left of their controls.
class InspectorSection : public QWidget {
    Q_OBJECT

public:
    InspectorSection(const QString& symbolName, const QString& title, QWidget* parent = nullptr);

    QFormLayout* form() const { return form_; }
    // A row of `field` under `label` (empty: the field spans the row).
    void addRow(const QString& label, QWidget* field);

private:
    QFormLayout* form_ = nullptr;
};

// The head of what the inspector shows: a large symbol, a title and a dimmed detail line.
class InspectorContextHeader : public QWidget {
    Q_OBJECT

public:
    explicit InspectorContextHeader(QWidget* parent = nullptr);
    void show(const QString& symbolName, const QString& title, const QString& detail);

private:
    QLabel* symbol_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* detail_ = nullptr;
    QString shownSymbol_;
};

// The centred message of an inspector with nothing to edit: a large symbol, a title and a line.
QWidget* makeInspectorMessage(const QString& symbolName, const QString& title, const QString& text,
                              QWidget* parent = nullptr);

} // namespace vistrelle
