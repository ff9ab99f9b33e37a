#pragma once

#include "export/check_finding.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace vistrelle {

class ShowCheckRunner;

// "No problems found", "1 error, 2 warnings".
QString showCheckCountsText(CheckCounts counts);

// The "Show Check" palette: what will go wrong on the display, for the active document, kept current while
// it is edited. Clicking a finding (or Return on it) selects its screen and component, or opens the
// project settings for a finding about the project. A finding with a fix offers it as a link under its
// text: one click makes the change.
class ShowCheckPalette : public QWidget {
    Q_OBJECT

public:
    explicit ShowCheckPalette(ShowCheckRunner& runner, QWidget* parent = nullptr);

    // Selects the screen and component of a finding in the checked session; a finding about the project
    // opens that window's project settings.
    void goTo(const CheckFinding& finding);
    // Puts the finding at `index` right with its fix (one undo step), when it has one.
    void applyFix(int index);

    QListWidget* list() const { return list_; } // tests

private:
    void refresh();
    void refreshState();
    void activate(QListWidgetItem* item);

    ShowCheckRunner& runner_;
    QLabel* summary_ = nullptr;
    QCheckBox* highPerformance_ = nullptr;
    QPushButton* again_ = nullptr;
    QListWidget* list_ = nullptr;
    QLabel* empty_ = nullptr;
};

} // namespace vistrelle
