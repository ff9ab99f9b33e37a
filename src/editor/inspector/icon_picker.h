#pragma once

#include <QFrame>
#include <QString>
#include <QStringList>

class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace vistrelle {

// The names that contain `searchText` (trimmed), ignoring case by the user's
// locale, in list order; all of them for blank text.
QStringList filteredIcons(const QStringList& names, const QString& searchText);

// A popup under a button that offers every catalogue symbol in a searchable
// grid; choosing one reports it and closes the popup.
class IconPicker : public QFrame {
    Q_OBJECT

public:
    explicit IconPicker(QWidget* parent = nullptr);

    // Opens at `globalPosition` (kept on the screen) with the search cleared and
    // `currentName` selected and scrolled into view.
    void popup(const QPoint& globalPosition, const QString& currentName);

signals:
    void iconChosen(const QString& name);

private:
    void applyFilter(const QString& searchText);
    void choose(QListWidgetItem* item);
    void chooseCurrent();

    QLineEdit* search_;
    QListWidget* list_;
};

} // namespace vistrelle
