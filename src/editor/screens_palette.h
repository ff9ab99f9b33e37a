#pragma once

#include "editor/screen_thumbnails.h"
#include "model/project_model.h"

#include <QPointer>
#include <QWidget>

#include <optional>

class QLabel;
class QScrollArea;
class QStackedWidget;
class QToolButton;
class QVBoxLayout;

namespace vistrelle {

class DocumentSession;

// Opens the screen edit dialog over `parent` and records the new name and duration as one step.
void editScreenDetails(DocumentSession& session, const KioskScreen& screen, QWidget* parent);

// One row of the screens palette: drag handle, name, component count and
// duration, duplicate and delete buttons.
class PaletteScreenRowView : public QWidget {
    Q_OBJECT

public:
    static constexpr int rowHeight = 60;

    PaletteScreenRowView(const KioskScreen& screen, bool isFirstScreen, bool isSelected,
                         QWidget* parent = nullptr);
    const QUuid& screenId() const { return screenId_; }
    // The screen's picture; a null one shows a plain screen symbol until it is drawn.
    void setThumbnail(const QImage& picture);
    bool showsThumbnail() const { return showsThumbnail_; }

signals:
    void selectRequested();
    void editRequested();
    void duplicateRequested();
    void deleteRequested();
    void moveUpRequested();
    void moveDownRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QUuid screenId_;
    bool selected_;
    bool first_;
    QPoint pressPoint_;
    bool pressed_ = false;
    QLabel* thumbnail_ = nullptr;
    bool showsThumbnail_ = false;
};

// The list of the current project's screens in play order: select, add,
// duplicate, delete, reorder by dragging (or Alt+Up / Alt+Down) and edit,
// through the session it is given.
class ScreensPalette : public QWidget {
    Q_OBJECT

public:
    static inline const QString screenIdMimeType = QStringLiteral("application/x-vistrelle-screen-id");

    explicit ScreensPalette(QWidget* parent = nullptr);

    // The session whose screens are listed and edited (the active window's); none: "No Project Open".
    void setSession(DocumentSession* session);

    // Where a screen dropped `y` points below the top of the list lands: one
    // slot per row height, never past the last screen.
    static qint64 dropDestination(double y, qint64 count);

    // The actions of the rows, public for the keyboard and tests.
    void moveUp(qsizetype index);
    void moveDown(qsizetype index);
    void confirmDelete(const KioskScreen& screen);
    void editScreen(const KioskScreen& screen);
    // Moves the screen with `screenIdText` to the slot under `y` (a finished drag).
    void dropScreen(const QString& screenIdText, double y);

    QList<PaletteScreenRowView*> rows() const { return rows_; }
    ScreenThumbnails& thumbnails() { return thumbnails_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    void rebuildRows(const QList<KioskScreen>& screens, const std::optional<QUuid>& selected);
    void retire(PaletteScreenRowView* row);
    PaletteScreenRowView* makeRow(const KioskScreen& screen, qsizetype index,
                                  const std::optional<QUuid>& selected);
    qsizetype selectedIndex() const;

    QPointer<DocumentSession> session_;
    ScreenThumbnails thumbnails_;
    QToolButton* addButton_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QWidget* noProjectPage_ = nullptr;
    QWidget* noScreensPage_ = nullptr;
    QScrollArea* listPage_ = nullptr;
    QWidget* list_ = nullptr;
    QVBoxLayout* listLayout_ = nullptr;
    QList<PaletteScreenRowView*> rows_;
    // What the rows show, to rebuild only when it changes (not on every drag step).
    struct RowSummary {
        QUuid id;
        QString name;
        qsizetype components = 0;
        qint64 duration = 0;
        std::optional<ScreenSchedule> schedule;
        bool operator==(const RowSummary&) const = default;
    };
    QList<RowSummary> shownRows_;
    std::optional<QUuid> shownSelection_;
};

} // namespace vistrelle
