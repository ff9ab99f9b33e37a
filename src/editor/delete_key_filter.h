#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace vistrelle {

// Whether `focus` is a place where Backspace and Delete edit text: an editable
// line edit, text edit, spin box or combo box (or anything inside one).
bool isEditingText(const QWidget* focus);

// Watches every key press of the application while installed and gives
// Delete and Backspace to `handler` (which answers whether it consumed the
// key) unless text is being edited.
class DeleteKeyFilter : public QObject {
    Q_OBJECT

public:
    DeleteKeyFilter(std::function<bool()> handler, QObject* parent);
    ~DeleteKeyFilter() override;

    void install();
    void remove();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool()> handler_;
    bool installed_ = false;
};

} // namespace vistrelle
